#include "programming/program_device.h"

#include "bus/protocol_numbers.h"
#include "device/pressure_units.h"
#include "device/value_numbers.h"
#include "programming_test_support.h"

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
    ASSERT_EQ(WriteParameter(sim.link, 250, kParamSwitch1, {1, 25, 50, 0x77}), BusResult::kOk);
    ASSERT_EQ(WriteParameter(sim.link, 250, kParamSwitch2, {3, 0, 10, 0x66}), BusResult::kOk);
    StartRecording();
  }

  Family1Station& station = sim.bus.Add<Family1Station>(std::uint8_t{1});
};

// Delays of 0.58 s and 1.06 s are 29 and 53 steps.
TEST_F(ProgramFamily1Test, FindsTheSwitchThenReadModifyWritesBothOutputs) {
  const NormalProgramInputs inputs{Values({kWindow, kNormallyClosed}, 7.5F, 2.25F, 29, 53),
                                   Values({kOff, kNormallyClosed}, 4.0F, 1.0F, 250, 0)};

  EXPECT_TRUE(ProgramFamily1(sim.link, inputs, observer).succeeded());

  std::vector<RequestFrame> expected{StartJobRequest(250, 1)};
  Append(expected, StatusPolls(250, 3));
  Append(expected,
         {ReadParameterRequest(250, 9), WriteParameterRequest(250, 9, {4, 29, 53, 0x77}),
          WriteCoefficientRequest(250, 72, 7.5F), WriteCoefficientRequest(250, 73, 2.25F),
          ReadParameterRequest(250, 10), WriteParameterRequest(250, 10, {0, 250, 0, 0x66}),
          WriteCoefficientRequest(250, 78, 4.0F), WriteCoefficientRequest(250, 79, 1.0F)});
  EXPECT_EQ(Frames(), expected);
  EXPECT_EQ(EngineWaits(sim.clock), (std::vector<int>{200, 200, 200}));
  EXPECT_EQ(observer.events,
            Concat<std::string>({{"=20"}, Polls(3), {"=30", "=40", "=60", "=80", "=100"}}));
  EXPECT_EQ(station.Stored().parameters.at(10), (ParameterBytes{0, 250, 0, 0x66}));
  EXPECT_EQ(station.Stored().coefficients.at(79), 1.0F);
}

// A short reply to the read of a read-modify-write must not become the bytes written back.
TEST_F(ProgramFamily1Test, AShortReadOfAParameterBlockEndsBeforeItIsWritten) {
  station.SetFaults({.shortReplyBy = 1, .onlyFunction = kFnReadParameter, .onlyIndex = 10});
  const NormalProgramInputs inputs{Values({kWindow, kNormallyClosed}, 7.5F, 2.25F, 29, 53),
                                   Values({kWindow, kNormallyOpen}, 4.0F, 1.0F, 5, 5)};

  EXPECT_EQ(ProgramFamily1(sim.link, inputs, observer).message, kMsgWriteFailed);

  const std::vector<RequestFrame> frames = Frames();
  ASSERT_FALSE(frames.empty());
  EXPECT_EQ(frames.back(), ReadParameterRequest(250, 10));
  EXPECT_EQ(station.Stored().parameters.at(10), (ParameterBytes{3, 0, 10, 0x66}));
}

TEST_F(ProgramFamily1Test, ProgrammerBusyForeverIsWrittenAfterThe21stPoll) {
  station.SetFaults({.programmerBusyForever = true});

  EXPECT_TRUE(ProgramFamily1(sim.link, {}, observer).succeeded());

  const std::vector<RequestFrame> frames = Frames();
  ASSERT_EQ(frames.size(), 1 + 21 + 8U);
  EXPECT_EQ(frames[21], ReadParameterRequest(250, 0));
  EXPECT_EQ(frames[22], ReadParameterRequest(250, 9));
  EXPECT_EQ(EngineWaits(sim.clock), std::vector<int>(21, 200));
}

// 100 PSI goes out as 40 DC A1 C0.
TEST_F(ProgrammingTest, Family2WritesModeBytesAtTheSessionAddressAndPointsAt250) {
  auto& station = sim.bus.Add<Family2Station>(std::uint8_t{5});
  station.SetMotion({});
  station.Stored().registers[kRegisterSwitchModes] = {0x01, 0x01, 0xA5, 0x5A, 0};
  ConfigBytes asRead{};
  ASSERT_EQ(ReadConfig(sim.link, 5, kRegisterSwitchModes, asRead), BusResult::kOk);
  StartRecording();
  const float high1 = PressureToBar(100.0F, PressureUnit::kPsi);
  const NormalProgramInputs inputs{Values({kWindow, kNormallyClosed}, high1, 2.0F, 9, 9),
                                   Values({kOff, kNormallyOpen}, 12.0F, 6.0F, 9, 9)};

  EXPECT_TRUE(ProgramFamily2(sim.link, 5, inputs, observer).succeeded());

  EXPECT_EQ(
      Frames(),
      (std::vector{
          ReadConfigRequest(5, 18), WriteConfigRequest(5, 18, {0x19, 0x21, 0xA5, 0x5A, asRead[4]}),
          WriteCoefficientRequest(250, 72, high1), WriteCoefficientRequest(250, 73, 2.0F),
          WriteCoefficientRequest(250, 78, 12.0F), WriteCoefficientRequest(250, 79, 6.0F)}));
  EXPECT_EQ(Frames()[2].data, (std::vector<std::uint8_t>{72, 0x40, 0xDC, 0xA1, 0xC0}));
  EXPECT_EQ(observer.events, (std::vector<std::string>{"=10", "=20", "=30"}));
  EXPECT_TRUE(EngineWaits(sim.clock).empty());
}

// Switch 1 names a function without a contact: the device's code 1 stays.
TEST_F(ProgrammingTest, Family4WritesEverythingAt250WithDelaysInSeconds) {
  sim.bus.Add<Family4Station>(std::uint8_t{7}).Stored().parameters[kParamSwitch2][3] = 0x42;
  StartRecording();
  const NormalProgramInputs inputs{Values({kWindow, std::nullopt}, 900, 100, 3, 255),
                                   Values({kWindow, kNormallyOpen}, 500, 250, 0, 12)};

  EXPECT_TRUE(ProgramFamily4(sim.link, inputs, observer).succeeded());

  EXPECT_EQ(
      Frames(),
      (std::vector{ReadParameterRequest(250, 9), WriteParameterRequest(250, 9, {1, 3, 255, 0}),
                   WriteCoefficientRequest(250, 72, 900), WriteCoefficientRequest(250, 73, 100),
                   ReadParameterRequest(250, 10), WriteParameterRequest(250, 10, {3, 0, 12, 0x42}),
                   WriteCoefficientRequest(250, 78, 500), WriteCoefficientRequest(250, 79, 250)}));
  EXPECT_EQ(observer.events, (std::vector<std::string>{"=30", "=40", "=60", "=80", "=100"}));
}

TEST_F(ProgrammingTest, TheFirstFailedCommandEndsWith61AndSendsNothingMore) {
  struct Case {
    int family;
    StationFaults faults;
    RequestFrame lastFrame;
  };
  const Case cases[] = {
      {1, {.exception = 3, .onlyFunction = kFnStartProgrammerJob}, StartJobRequest(250, 1)},
      {1,
       {.silent = true, .onlyFunction = kFnReadParameter, .onlyIndex = 0},
       ReadParameterRequest(250, 0)},
      {1,
       {.exception = 2, .onlyFunction = kFnWriteCoefficient, .onlyIndex = 73},
       WriteCoefficientRequest(250, 73, 0)},
      {2, {.corruptCrc = true, .onlyFunction = kFnWriteConfig}, WriteConfigRequest(250, 18, {})},
      {4,
       {.exception = 2, .onlyFunction = kFnReadParameter, .onlyIndex = 10},
       ReadParameterRequest(250, 10)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("family " + std::to_string(c.family) + " function " +
                 std::to_string(c.lastFrame.function));
    sim.bus.RemoveAll();
    sim.AddStation(c.family, 250, c.faults);
    StartRecording();
    const EngineOutcome outcome = c.family == 1   ? ProgramFamily1(sim.link, {}, observer)
                                  : c.family == 2 ? ProgramFamily2(sim.link, 250, {}, observer)
                                                  : ProgramFamily4(sim.link, {}, observer);
    EXPECT_EQ(outcome.message, kMsgWriteFailed);
    EXPECT_FALSE(outcome.address.has_value());
    ASSERT_FALSE(Frames().empty());
    EXPECT_EQ(Frames().back().function, c.lastFrame.function);
    EXPECT_EQ(Frames().back().data.front(), c.lastFrame.data.front());
  }
}

}  // namespace
}  // namespace tarnwick
