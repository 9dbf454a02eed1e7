#include <gtest/gtest.h>

#include <algorithm>

#include "device/readout_engines.h"
#include "device/recording_observer.h"
#include "device/scripted_programmer.h"
#include "device/sim_requests.h"
#include "support/sample_readouts.h"
#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

// What the read-out sends once the transfer job reported 0x40: the extra
// status read, the values, and last the analog output reading.
std::vector<RequestFrame> ValueReads(std::uint8_t a) {
  return {
      ReadParameterRequest(a, 0),    ReadCoefficientRequest(a, 92), ReadCoefficientRequest(a, 93),
      ReadCoefficientRequest(a, 86), ReadCoefficientRequest(a, 87), ReadCoefficientRequest(a, 94),
      ReadCoefficientRequest(a, 95), ReadCoefficientRequest(a, 72), ReadCoefficientRequest(a, 73),
      ReadCoefficientRequest(a, 78), ReadCoefficientRequest(a, 79), ReadSerialNumberRequest(a),
      SetBusAddressRequest(a, 0),    ReadParameterRequest(a, 1),    ReadParameterRequest(a, 3),
      ReadParameterRequest(a, 9),    ReadParameterRequest(a, 10),   ReadChannelRequest(a, 2)};
}

// Jobs 1 and 2 in turn, each with the status polls that wait for it.
std::vector<RequestFrame> Jobs(std::uint8_t a, std::initializer_list<std::uint8_t> jobs,
                               int polls) {
  std::vector<RequestFrame> frames;
  for (const std::uint8_t job : jobs) {
    frames.push_back(StartJobRequest(a, job));
    Append(frames, StatusPolls(a, polls));
  }
  return frames;
}

std::vector<RequestFrame> WholeRead(std::uint8_t a, int polls) {
  std::vector<RequestFrame> frames = Jobs(a, {1, 2}, polls);
  Append(frames, ValueReads(a));
  return frames;
}

class ReadOutFamily1Test : public SimFamily1Test {
 protected:
  ReadoutResult Read(std::uint8_t address = 250, bool factoryMode = false) {
    return ReadOutFamily1(sim.link, address, identity, factoryMode, observer);
  }
  // Replaces the station by a programmer whose status polls follow `statuses`.
  void ScriptStatuses(std::vector<std::uint8_t> statuses) {
    sim.bus.RemoveAll();
    sim.ClearRecords();
    observer = RecordingObserver();
    sim.bus.Add<ScriptedProgrammer>(std::uint8_t{1}, std::move(statuses));
  }

  RecordingObserver observer;
  const DeviceIdentity identity = station.Identity();
};

// The progress it reports is checked on the window's bar.
TEST_F(ReadOutFamily1Test, SendsTheWholeSequenceToTheSessionAddressAndDecodesIt) {
  const ReadoutResult result = Read();
  ASSERT_TRUE(result.succeeded());
  // The simulated programmer stays busy for two polls of each job.
  EXPECT_EQ(sim.bus.LoggedFrames(), WholeRead(250, 3));
  EXPECT_EQ(EngineWaits(sim.clock), std::vector<int>(6, 200));
  ExpectReadout(*result.readout, PressureSwitchReadout());
}

TEST_F(ReadOutFamily1Test, FactoryModeReadsTheStoredValuesOnceMoreAtTheTypedAddress) {
  station.SetAddress(7);
  StationMemory& stored = station.Stored();
  stored.coefficients[79] = 2.5F;
  stored.parameters[3] = {0, 2, 0, 0};
  stored.parameters[10] = {4, 250, 0, 0};
  stored.parameters[11] = {17, 0, 0, 0};

  const ReadoutResult result = Read(7, true);
  ASSERT_TRUE(result.succeeded());
  std::vector<RequestFrame> expected = WholeRead(7, 3);
  Append(
      expected,
      {ReadCoefficientRequest(7, 92), ReadCoefficientRequest(7, 93), ReadCoefficientRequest(7, 86),
       ReadCoefficientRequest(7, 87), ReadCoefficientRequest(7, 94), ReadCoefficientRequest(7, 95),
       ReadCoefficientRequest(7, 72), ReadCoefficientRequest(7, 73), ReadCoefficientRequest(7, 78),
       ReadCoefficientRequest(7, 79), ReadParameterRequest(7, 3), ReadParameterRequest(7, 9),
       ReadParameterRequest(7, 10), ReadParameterRequest(7, 11)});
  EXPECT_EQ(sim.bus.LoggedFrames(), expected);

  const FactoryReadBack back = result.readout->factoryReadBack.value();
  EXPECT_EQ(back.pressureRangeBar, (ValueRange{0.0F, 10.0F}));
  EXPECT_EQ(back.temperatureRange, (ValueRange{-25.0F, 85.0F}));
  EXPECT_EQ(back.serialNumber, 310042);
  EXPECT_EQ(back.switches[0], (FactoryReadBack::Switch{6.0F, 5.0F, 0, 1, 25, 50}));
  EXPECT_EQ(back.switches[1], (FactoryReadBack::Switch{5.0F, 2.5F, 2, 4, 250, 0}));
  EXPECT_EQ(back.windowHysteresis, 17);
}

TEST_F(ReadOutFamily1Test, CodesOutsideTheTablesLeaveTheirControlsAlone) {
  station.Stored().parameters[3] = {3, 0, 0, 0};
  station.Stored().parameters[9] = {7, 255, 0, 0};
  station.Stored().parameters[10] = {0, 250, 0, 0};

  const ReadoutResult result = Read();
  ASSERT_TRUE(result.succeeded());
  const auto& [sw1, sw2] = result.readout->switches;
  EXPECT_EQ(sw1.outputType, std::nullopt);
  EXPECT_EQ(sw1.selection, SwitchSelection{});
  EXPECT_EQ(sw1.functionCode, 7);
  EXPECT_FALSE(sw1.off);
  EXPECT_EQ(sw1.closingDelaySteps, 255);
  EXPECT_EQ(sw2.outputType, OutputType::kNone);
  EXPECT_EQ(sw2.selection, (SwitchSelection{SwitchFunction::kOff, std::nullopt}));
  EXPECT_TRUE(sw2.off);
}

TEST_F(ReadOutFamily1Test, AnalogOutputCountsWhenItDrivesAVoltageOrStartsAtZeroVolts) {
  struct Case {
    bool outputWorks;
    float analogOutMinVolts;
    bool present;
  };
  for (const Case& c :
       {Case{true, 0.5F, true}, Case{false, 0.5F, false}, Case{false, 0.0F, true}}) {
    station.SetAnalogOutputWorks(c.outputWorks);
    station.Stored().coefficients[94] = c.analogOutMinVolts;
    const ReadoutResult result = Read();
    ASSERT_TRUE(result.succeeded());
    EXPECT_EQ(result.readout->analogOutputPresent, c.present)
        << "works " << c.outputWorks << ", range from " << c.analogOutMinVolts << " V";
  }
}

TEST_F(ReadOutFamily1Test, NoSwitchAsksAgainUntilCancelWhichEndsWithoutAnotherCommand) {
  station.SetFaults({.noSwitch = true});
  observer.answer = [](int question) { return question == 1; };
  const ReadoutResult result = Read();
  EXPECT_TRUE(result.outcome.declined);
  EXPECT_EQ(result.outcome.message, kMsgNone);
  EXPECT_FALSE(result.readout);
  EXPECT_EQ(sim.bus.LoggedFrames(), Jobs(250, {1, 1}, 3));
  // The search again starts its progress at 5.
  EXPECT_EQ(observer.events,
            (std::vector<std::string>{"+5", "+5", "+5", "?", "=5", "+5", "+5", "+5", "?"}));
}

TEST_F(ReadOutFamily1Test, OnlyAReadyProgrammerEndsTheAsking) {
  // No switch; after OK a finished transfer (not ready), after the next OK ready.
  ScriptStatuses({0x10, 0x40, 0x20, 0x40});
  observer.answer = [](int) { return true; };
  const ReadoutResult result = Read();
  ASSERT_TRUE(result.succeeded());
  EXPECT_EQ(observer.questions, 2);
  std::vector<RequestFrame> expected = Jobs(250, {1, 1, 1, 2}, 1);
  Append(expected, ValueReads(250));
  EXPECT_EQ(sim.bus.LoggedFrames(), expected);
}

TEST_F(ReadOutFamily1Test, AnyOtherStatusAfterAWaitIsMessage60) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> statuses;
    std::size_t framesSent;
  };
  const Case cases[] = {
      {"0x40 after the search", {0x40}, 2},         {"0x30 after the search", {0x30}, 2},
      {"0x30 after the transfer", {0x20, 0x30}, 4}, {"0x20 after the transfer", {0x20, 0x20}, 4},
      {"0x10 after the transfer", {0x20, 0x10}, 4},
  };
  for (const Case& c : cases) {
    ScriptStatuses(c.statuses);
    const ReadoutResult result = Read();
    EXPECT_EQ(result.outcome.message, kMsgReadFailed) << c.what;
    EXPECT_EQ(sim.bus.LoggedFrames().size(), c.framesSent) << c.what;
    EXPECT_EQ(observer.questions, 0) << c.what;
  }
}

TEST_F(ReadOutFamily1Test, ProgrammerBusyForEverGivesUpAfter21PollsWithMessage60) {
  station.SetFaults({.programmerBusyForever = true});
  EXPECT_EQ(Read().outcome.message, kMsgReadFailed);
  EXPECT_EQ(sim.bus.LoggedFrames(), Jobs(250, {1}, 21));
  EXPECT_EQ(EngineWaits(sim.clock), std::vector<int>(21, 200));
  EXPECT_EQ(observer.events, std::vector<std::string>(21, "+5"));
  EXPECT_EQ(observer.position, 100);
}

TEST_F(ReadOutFamily1Test, AJobFinishingOnThe21stPollStillCounts) {
  station.SetBusyPolls(20);
  ASSERT_TRUE(Read().succeeded());
  EXPECT_EQ(sim.bus.LoggedFrames(), WholeRead(250, 21));

  sim.ClearRecords();
  station.SetBusyPolls(21);
  EXPECT_EQ(Read().outcome.message, kMsgReadFailed);
}

TEST_F(ReadOutFamily1Test, AFailedCommandEndsTheReadOutThereWithMessage60) {
  struct Case {
    std::uint8_t function;
    std::optional<std::uint8_t> index;
    bool factoryMode;
  };
  const Case cases[] = {
      {112, 1, false},  {106, 0, false}, {112, 2, false}, {30, 92, false}, {30, 94, false},
      {30, 79, false},  {69, {}, false}, {66, 0, false},  {106, 1, false}, {106, 3, false},
      {106, 10, false}, {73, 2, false},  {106, 11, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("function " + std::to_string(c.function) + " index " +
                 std::to_string(c.index.value_or(0)));
    sim.ClearRecords();
    station.SetFaults(
        {.exception = kSimExceptionAddress, .onlyFunction = c.function, .onlyIndex = c.index});
    const ReadoutResult result = Read(250, c.factoryMode);
    EXPECT_EQ(result.outcome.message, kMsgReadFailed);
    EXPECT_FALSE(result.readout);
    const std::vector<RequestFrame> frames = sim.bus.LoggedFrames();
    ASSERT_FALSE(frames.empty());
    const RequestFrame& last = frames.back();
    EXPECT_EQ(last.function, c.function);
    if (c.index) {
      EXPECT_EQ(last.data.at(0), *c.index);
    }
    // The first request of its kind failed, and nothing followed it.
    EXPECT_EQ(std::count(frames.begin(), frames.end(), last), 1);
  }
}

}  // namespace
}  // namespace tarnwick
