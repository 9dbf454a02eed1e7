#include "programming/program_device.h"

#include "device/bus_numbers.h"
#include "programming_test_support.h"
#include "view/units.h"

namespace tarnwick {
namespace {

using enum SwitchFunction;
using enum SwitchContact;

SwitchProgramValues Values(SwitchSelection selection, float high, float low,
                           std::uint8_t closing = 0, std::uint8_t opening = 0) {
  return {selection, high, low, closing, opening};
}

class ProgramFamily1Test : public ProgrammingTest {
 protected:
  void SetUp() override {
    ProgrammingTest::SetUp();
    // D3 belongs to the device; give it values a rewrite could lose.
    ASSERT_EQ(WriteParameter(250, kParamSwitch1, {1, 25, 50, 0x77}), kBusOk);
    ASSERT_EQ(WriteParameter(250, kParamSwitch2, {3, 0, 10, 0x66}), kBusOk);
    StartRecording();
  }

  Family1Station& station = sim.bus.Add<Family1Station>(std::uint8_t{1});
};

TEST_F(ProgramFamily1Test, FindsTheSwitchThenReadModifyWritesBothOutputs) {
  const NormalProgramInputs inputs{Values({kWindow, kNormallyClosed}, 7.5F, 2.25F, 29, 53),
                                   Values({kOff, kNormallyClosed}, 4.0F, 1.0F, 250, 0)};

  EXPECT_TRUE(ProgramFamily1(inputs, sim.clock, observer).succeeded());

  EXPECT_EQ(Frames(), Concat<RequestFrame>(
                          {{wire::Job(250, 1)},
                           wire::StatusPolls(250, 3),
                           {wire::ReadParam(250, 9), wire::WriteParam(250, 9, {4, 29, 53, 0x77}),
                            wire::Coef(250, 72, 7.5F), wire::Coef(250, 73, 2.25F),
                            wire::ReadParam(250, 10), wire::WriteParam(250, 10, {0, 250, 0, 0x66}),
                            wire::Coef(250, 78, 4.0F), wire::Coef(250, 79, 1.0F)}}));
  EXPECT_EQ(EngineWaits(sim.clock), (std::vector<int>{200, 200, 200}));
  EXPECT_EQ(observer.reports,
            Concat<std::string>({{"=20"}, Polls(3), {"=30", "=40", "=60", "=80", "=100"}}));
  const StationMemory& held = station.Stored();
  EXPECT_EQ(held.parameters.at(9), (ParameterBytes{4, 29, 53, 0x77}));
  EXPECT_EQ(held.parameters.at(10), (ParameterBytes{0, 250, 0, 0x66}));
  EXPECT_EQ(held.coefficients.at(72), 7.5F);
  EXPECT_EQ(held.coefficients.at(79), 1.0F);
}

TEST_F(ProgramFamily1Test, ProgrammerBusyForeverIsWrittenAfterThe21stPoll) {
  station.SetFaults({.programmerBusyForever = true});

  EXPECT_TRUE(ProgramFamily1({}, sim.clock, observer).succeeded());

  const std::vector<RequestFrame> frames = Frames();
  ASSERT_EQ(frames.size(), 1 + 21 + 8U);
  EXPECT_EQ(frames[21], wire::Status(250));
  EXPECT_EQ(frames[22], wire::ReadParam(250, 9));
  EXPECT_EQ(EngineWaits(sim.clock), std::vector<int>(21, 200));
  EXPECT_EQ(std::ranges::count(observer.reports, "+1"), 21);
}

struct DelayCase {
  int family;
  double seconds;
  std::uint8_t steps;
};

class DelayOnTheWire : public ProgrammingTest, public ::testing::WithParamInterface<DelayCase> {};

TEST_P(DelayOnTheWire, ClosingDelayIsD1OfParameter9) {
  const DelayCase& c = GetParam();
  NormalProgramInputs inputs;
  inputs.switch1 =
      Values({kHysteresis, kNormallyOpen}, 6, 5, DelaySecondsToSteps(c.family, c.seconds), 0);
  if (c.family == 1) {
    sim.bus.Add<Family1Station>(std::uint8_t{1});
    StartRecording();
    ASSERT_TRUE(ProgramFamily1(inputs, sim.clock, observer).succeeded());
  } else {
    sim.bus.Add<Family4Station>(std::uint8_t{250});
    StartRecording();
    ASSERT_TRUE(ProgramFamily4(inputs, observer).succeeded());
  }
  const auto frames = Frames();
  const auto written = std::ranges::find(frames, kFnWriteParameter, &RequestFrame::function);
  ASSERT_NE(written, frames.end());
  EXPECT_EQ(written->data, (std::vector<std::uint8_t>{9, 1, c.steps, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(Delays, DelayOnTheWire,
                         ::testing::Values(DelayCase{1, 0.58, 29}, DelayCase{1, 1.06, 53},
                                           DelayCase{1, 5.00, 250}, DelayCase{4, 3.7, 3}));

TEST_F(ProgrammingTest, Family2WritesModeBytesAtTheSessionAddressAndPointsAt250) {
  auto& station = sim.bus.Add<Family2Station>(std::uint8_t{5});
  station.SetMotion({});
  station.Stored().registers[kRegisterSwitchModes] = {0x01, 0x01, 0xA5, 0x5A, 0};
  ConfigBytes asRead{};
  ASSERT_EQ(ReadConfig(5, kRegisterSwitchModes, asRead), kBusOk);
  StartRecording();
  const float high1 = PressureToBar(100.0F, PressureUnit::kPsi);
  const NormalProgramInputs inputs{Values({kWindow, kNormallyClosed}, high1, 2.0F, 9, 9),
                                   Values({kOff, kNormallyOpen}, 12.0F, 6.0F, 9, 9)};

  EXPECT_TRUE(ProgramFamily2(5, inputs, observer).succeeded());

  EXPECT_EQ(Frames(), (std::vector<RequestFrame>{
                          wire::ReadRegister(5, 18),
                          wire::WriteRegister(5, 18, {0x19, 0x21, 0xA5, 0x5A, asRead[4]}),
                          wire::Coef(250, 72, high1), wire::Coef(250, 73, 2.0F),
                          wire::Coef(250, 78, 12.0F), wire::Coef(250, 79, 6.0F)}));
  EXPECT_EQ(Frames()[2].data, (std::vector<std::uint8_t>{72, 0x40, 0xDC, 0xA1, 0xC0}));
  EXPECT_EQ(observer.reports, (std::vector<std::string>{"=10", "=20", "=30"}));
  EXPECT_TRUE(EngineWaits(sim.clock).empty());
  EXPECT_EQ(station.Stored().registers.at(18)[0], 0x19);
  EXPECT_EQ(station.Stored().coefficients.at(78), 12.0F);
}

// Switch 1 names a function without a contact: the device's code 1 stays.
TEST_F(ProgrammingTest, Family4WritesEverythingAt250WithDelaysInSeconds) {
  auto& station = sim.bus.Add<Family4Station>(std::uint8_t{7});
  station.Stored().parameters[kParamSwitch2][3] = 0x42;
  StartRecording();
  const NormalProgramInputs inputs{Values({kWindow, std::nullopt}, 900, 100, 3, 255),
                                   Values({kWindow, kNormallyOpen}, 500, 250, 0, 12)};

  EXPECT_TRUE(ProgramFamily4(inputs, observer).succeeded());

  EXPECT_EQ(Frames(), (std::vector<RequestFrame>{
                          wire::ReadParam(250, 9), wire::WriteParam(250, 9, {1, 3, 255, 0}),
                          wire::Coef(250, 72, 900), wire::Coef(250, 73, 100),
                          wire::ReadParam(250, 10), wire::WriteParam(250, 10, {3, 0, 12, 0x42}),
                          wire::Coef(250, 78, 500), wire::Coef(250, 79, 250)}));
  EXPECT_EQ(observer.reports, (std::vector<std::string>{"=30", "=40", "=60", "=80", "=100"}));
  EXPECT_EQ(station.Stored().parameters.at(9), (ParameterBytes{1, 3, 255, 0}));
  EXPECT_EQ(station.Stored().coefficients.at(73), 100.0F);
}

struct WriteFailureCase {
  const char* name;
  int family;
  StationFaults faults;
  RequestFrame lastFrame;
};

class WriteFailure : public ProgrammingTest,
                     public ::testing::WithParamInterface<WriteFailureCase> {};

TEST_P(WriteFailure, FirstFailedCommandEndsWith61AndSendsNothingMore) {
  const WriteFailureCase& c = GetParam();
  SimStation* station = nullptr;
  switch (c.family) {
    case 1:
      station = &sim.bus.Add<Family1Station>(std::uint8_t{250});
      break;
    case 2:
      station = &sim.bus.Add<Family2Station>(std::uint8_t{250});
      break;
    default:
      station = &sim.bus.Add<Family4Station>(std::uint8_t{250});
      break;
  }
  station->SetFaults(c.faults);
  StartRecording();

  EngineOutcome outcome;
  switch (c.family) {
    case 1:
      outcome = ProgramFamily1({}, sim.clock, observer);
      break;
    case 2:
      outcome = ProgramFamily2(250, {}, observer);
      break;
    default:
      outcome = ProgramFamily4({}, observer);
      break;
  }

  EXPECT_EQ(outcome.message, kMsgWriteFailed);
  EXPECT_FALSE(outcome.address.has_value());
  ASSERT_FALSE(Frames().empty());
  EXPECT_EQ(Frames().back().function, c.lastFrame.function);
  EXPECT_EQ(Frames().back().data.front(), c.lastFrame.data.front());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteFailure,
    ::testing::Values(
        WriteFailureCase{"Family1Job",
                         1,
                         {.exception = 3, .onlyFunction = kFnStartProgrammerJob},
                         wire::Job(250, 1)},
        WriteFailureCase{"Family1StatusRead",
                         1,
                         {.silent = true, .onlyFunction = kFnReadParameter, .onlyIndex = 0},
                         wire::Status(250)},
        WriteFailureCase{"Family1SecondPoint",
                         1,
                         {.exception = 2, .onlyFunction = kFnWriteCoefficient, .onlyIndex = 73},
                         wire::Coef(250, 73, 0)},
        WriteFailureCase{"Family2Register",
                         2,
                         {.corruptCrc = true, .onlyFunction = kFnWriteConfig},
                         wire::WriteRegister(250, 18, {})},
        WriteFailureCase{"Family4Parameter10",
                         4,
                         {.exception = 2, .onlyFunction = kFnReadParameter, .onlyIndex = 10},
                         wire::ReadParam(250, 10)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick
