#include <gtest/gtest.h>

#include <algorithm>

#include "device/readouts.h"
#include "device/recording_observer.h"
#include "device/scripted_programmer.h"
#include "device/sim_requests.h"
#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

using enum SwitchFunction;
using enum SwitchContact;

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

std::vector<RequestFrame> FactoryReads(std::uint8_t a) {
  return {
      ReadCoefficientRequest(a, 92), ReadCoefficientRequest(a, 93), ReadCoefficientRequest(a, 86),
      ReadCoefficientRequest(a, 87), ReadCoefficientRequest(a, 94), ReadCoefficientRequest(a, 95),
      ReadCoefficientRequest(a, 72), ReadCoefficientRequest(a, 73), ReadCoefficientRequest(a, 78),
      ReadCoefficientRequest(a, 79), ReadParameterRequest(a, 3),    ReadParameterRequest(a, 9),
      ReadParameterRequest(a, 10),   ReadParameterRequest(a, 11)};
}

// A job and the status polls that wait for it.
std::vector<RequestFrame> Job(std::uint8_t a, std::uint8_t job, int polls) {
  std::vector<RequestFrame> frames{StartJobRequest(a, job)};
  Append(frames, StatusPolls(a, polls));
  return frames;
}

std::vector<std::string> Repeat(const std::string& event, int count) {
  return std::vector<std::string>(static_cast<std::size_t>(count), event);
}

class ReadOutFamily1Test : public SimFamily1Test {
 protected:
  ReadoutResult Read(std::uint8_t address = 250, bool factoryMode = false) {
    return ReadOutFamily1(address, identity, factoryMode, sim.clock, observer);
  }
  void FailOn(std::uint8_t function, std::optional<std::uint8_t> index) {
    station.SetFaults(
        {.exception = kSimExceptionAddress, .onlyFunction = function, .onlyIndex = index});
  }

  RecordingObserver observer;
  // Kept apart from the station, which some tests replace by a scripted one.
  const DeviceIdentity identity = station.Identity();
};

TEST_F(ReadOutFamily1Test, SendsTheWholeSequenceToTheSessionAddressAndDecodesIt) {
  const ReadoutResult result = Read();
  ASSERT_TRUE(result.succeeded());

  // The simulated programmer stays busy for two polls of each job.
  std::vector<RequestFrame> expected = Job(250, 1, 3);
  Append(expected, Job(250, 2, 3));
  Append(expected, ValueReads(250));
  EXPECT_EQ(sim.bus.LoggedFrames(), expected);
  EXPECT_EQ(EngineWaits(sim.clock), std::vector<int>(6, 200));
  EXPECT_EQ(observer.events,
            (std::vector<std::string>{"+5", "+5", "+5", "+5", "+5", "+5", "=50", "=60", "=70",
                                      "=80", "=85", "=90", "=95", "=100"}));

  const DeviceReadout& r = *result.readout;
  EXPECT_EQ(r.family, 1);
  EXPECT_EQ(r.identity, (DeviceIdentity{12, 1, 5, 12, 0, 0}));
  EXPECT_EQ(r.pressureRangeBar, (ValueRange{0.0F, 10.0F}));
  EXPECT_EQ(r.temperatureRange, (ValueRange{-25.0F, 85.0F}));
  EXPECT_EQ(r.analogOutputRange, (ValueRange{0.5F, 4.5F}));
  EXPECT_EQ(r.analogOutputPresent, true);
  EXPECT_EQ(r.serialNumber, 310042);
  EXPECT_EQ(r.reportedBusAddress, 1);
  EXPECT_EQ(r.attachedSwitch, (AttachedSwitchInfo{60, 1, 2, 4}));
  EXPECT_EQ(r.switches[0], (SwitchReadout{.outputType = OutputType::kPnp,
                                          .selection = {kHysteresis, kNormallyOpen},
                                          .functionCode = 1,
                                          .highBar = 6.0F,
                                          .lowBar = 5.0F,
                                          .closingDelaySteps = 25,
                                          .openingDelaySteps = 50}));
  EXPECT_EQ(r.switches[1], (SwitchReadout{.outputType = OutputType::kNpn,
                                          .selection = {kWindow, kNormallyOpen},
                                          .functionCode = 3,
                                          .highBar = 5.0F,
                                          .lowBar = 3.0F,
                                          .closingDelaySteps = 0,
                                          .openingDelaySteps = 10}));
  EXPECT_EQ(r.levelUnitIndex, kLevelUnitNotRead);
  EXPECT_FALSE(r.factoryReadBack);
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

  std::vector<RequestFrame> expected = Job(7, 1, 3);
  Append(expected, Job(7, 2, 3));
  Append(expected, ValueReads(7));
  Append(expected, FactoryReads(7));
  EXPECT_EQ(sim.bus.LoggedFrames(), expected);
  EXPECT_EQ(observer.events.back(), "=100");

  const FactoryReadBack back = result.readout->factoryReadBack.value();
  EXPECT_EQ(back.pressureRangeBar, (ValueRange{0.0F, 10.0F}));
  EXPECT_EQ(back.temperatureRange, (ValueRange{-25.0F, 85.0F}));
  EXPECT_EQ(back.serialNumber, 310042);
  EXPECT_EQ(back.switches[0], (FactoryReadBack::Switch{6.0F, 5.0F, 0, 1, 25, 50}));
  EXPECT_EQ(back.switches[1], (FactoryReadBack::Switch{5.0F, 2.5F, 2, 4, 250, 0}));
  EXPECT_EQ(back.windowHysteresis, 17);
  EXPECT_EQ(result.readout->reportedBusAddress, 7);
}

TEST_F(ReadOutFamily1Test, CodesOutsideTheTablesLeaveTheirControlsAlone) {
  StationMemory& stored = station.Stored();
  stored.parameters[3] = {3, 0, 0, 0};
  stored.parameters[9] = {7, 255, 0, 0};
  stored.parameters[10] = {0, 250, 0, 0};

  const ReadoutResult result = Read();
  ASSERT_TRUE(result.succeeded());
  const auto& [sw1, sw2] = result.readout->switches;
  EXPECT_EQ(sw1.outputType, std::nullopt);
  EXPECT_EQ(sw1.selection, SwitchSelection{});
  EXPECT_EQ(sw1.functionCode, 7);
  EXPECT_FALSE(sw1.off);
  EXPECT_EQ(sw1.closingDelaySteps, 255);
  EXPECT_EQ(sw2.outputType, OutputType::kNone);
  EXPECT_EQ(sw2.selection, (SwitchSelection{kOff, std::nullopt}));
  EXPECT_TRUE(sw2.off);
  EXPECT_DOUBLE_EQ(DelayStepsToSeconds(1, *sw2.closingDelaySteps), 5.00);
  EXPECT_DOUBLE_EQ(DelayStepsToSeconds(1, *sw2.openingDelaySteps), 0.00);
}

struct AnalogCase {
  bool outputWorks;
  float analogOutMinVolts;
  bool present;
};

TEST_F(ReadOutFamily1Test, AnalogOutputCountsWhenItDrivesAVoltageOrStartsAtZeroVolts) {
  const AnalogCase cases[] = {{true, 0.5F, true}, {false, 0.5F, false}, {false, 0.0F, true}};
  for (const AnalogCase& c : cases) {
    station.SetAnalogOutputWorks(c.outputWorks);
    station.Stored().coefficients[94] = c.analogOutMinVolts;
    const ReadoutResult result = Read();
    ASSERT_TRUE(result.succeeded());
    EXPECT_EQ(result.readout->analogOutputPresent, c.present)
        << "works " << c.outputWorks << ", range from " << c.analogOutMinVolts << " V";
  }
}

TEST_F(ReadOutFamily1Test, NoSwitchAndCancelEndsDeclinedWithoutAnotherCommand) {
  station.SetFaults({.noSwitch = true});
  const ReadoutResult result = Read();
  EXPECT_TRUE(result.outcome.declined);
  EXPECT_EQ(result.outcome.message, kMsgNone);
  EXPECT_FALSE(result.readout);
  EXPECT_EQ(sim.bus.LoggedFrames(), Job(250, 1, 3));
  EXPECT_EQ(observer.events, (std::vector<std::string>{"+5", "+5", "+5", "?"}));
}

TEST_F(ReadOutFamily1Test, OkSearchesAgainAndAsksAgainWhileNoSwitchIsFound) {
  station.SetFaults({.noSwitch = true});
  observer.answer = [](int question) { return question == 1; };
  const ReadoutResult result = Read();
  EXPECT_TRUE(result.outcome.declined);
  EXPECT_EQ(observer.questions, 2);
  std::vector<RequestFrame> expected = Job(250, 1, 3);
  Append(expected, Job(250, 1, 3));
  EXPECT_EQ(sim.bus.LoggedFrames(), expected);
  // The search again starts its progress at 5.
  EXPECT_EQ(observer.events,
            (std::vector<std::string>{"+5", "+5", "+5", "?", "=5", "+5", "+5", "+5", "?"}));
}

TEST_F(ReadOutFamily1Test, OkAfterTheSwitchWasAttachedGoesOnToTheTransfer) {
  station.SetFaults({.noSwitch = true});
  observer.answer = [this](int) {
    station.ClearFaults();
    return true;
  };
  const ReadoutResult result = Read();
  ASSERT_TRUE(result.succeeded());
  EXPECT_EQ(observer.questions, 1);
  std::vector<RequestFrame> expected = Job(250, 1, 3);
  Append(expected, Job(250, 1, 3));
  Append(expected, Job(250, 2, 3));
  Append(expected, ValueReads(250));
  EXPECT_EQ(sim.bus.LoggedFrames(), expected);
  EXPECT_EQ(result.readout->serialNumber, 310042);
}

TEST_F(ReadOutFamily1Test, OnlyAReadyProgrammerEndsTheAsking) {
  sim.bus.RemoveAll();
  // No switch; after OK a finished transfer (not ready), after the next OK ready.
  sim.bus.Add<ScriptedProgrammer>(std::uint8_t{1},
                                  std::vector<std::uint8_t>{0x10, 0x40, 0x20, 0x40});
  observer.answer = [](int) { return true; };
  const ReadoutResult result = Read();
  ASSERT_TRUE(result.succeeded());
  EXPECT_EQ(observer.questions, 2);
  std::vector<RequestFrame> expected = Job(250, 1, 1);
  Append(expected, Job(250, 1, 1));
  Append(expected, Job(250, 1, 1));
  Append(expected, Job(250, 2, 1));
  Append(expected, ValueReads(250));
  EXPECT_EQ(sim.bus.LoggedFrames(), expected);
}

struct StatusCase {
  const char* what;
  std::vector<std::uint8_t> statuses;
  int framesSent;
};

TEST_F(ReadOutFamily1Test, AnyOtherStatusAfterAWaitIsMessage60) {
  const StatusCase cases[] = {
      {"0x40 after the search", {0x40}, 2},         {"0x30 after the search", {0x30}, 2},
      {"0x30 after the transfer", {0x20, 0x30}, 4}, {"0x20 after the transfer", {0x20, 0x20}, 4},
      {"0x10 after the transfer", {0x20, 0x10}, 4},
  };
  for (const StatusCase& c : cases) {
    sim.bus.RemoveAll();
    sim.ClearRecords();
    observer.events.clear();
    sim.bus.Add<ScriptedProgrammer>(std::uint8_t{1}, c.statuses);
    const ReadoutResult result = Read();
    EXPECT_EQ(result.outcome.message, kMsgReadFailed) << c.what;
    EXPECT_FALSE(result.readout) << c.what;
    EXPECT_EQ(sim.bus.LoggedFrames().size(), static_cast<std::size_t>(c.framesSent)) << c.what;
    EXPECT_EQ(observer.questions, 0) << c.what;
  }
}

TEST_F(ReadOutFamily1Test, ProgrammerBusyForEverGivesUpAfter21PollsWithMessage60) {
  station.SetFaults({.programmerBusyForever = true});
  const ReadoutResult result = Read();
  EXPECT_EQ(result.outcome.message, kMsgReadFailed);
  EXPECT_EQ(sim.bus.LoggedFrames(), Job(250, 1, 21));
  EXPECT_EQ(EngineWaits(sim.clock), std::vector<int>(21, 200));
  EXPECT_EQ(observer.events, Repeat("+5", 21));
  EXPECT_EQ(observer.position, 100);
}

TEST_F(ReadOutFamily1Test, AJobFinishingOnThe21stPollStillCounts) {
  station.SetBusyPolls(20);
  const ReadoutResult result = Read();
  ASSERT_TRUE(result.succeeded());
  std::vector<RequestFrame> expected = Job(250, 1, 21);
  Append(expected, Job(250, 2, 21));
  Append(expected, ValueReads(250));
  EXPECT_EQ(sim.bus.LoggedFrames(), expected);

  sim.ClearRecords();
  station.SetBusyPolls(21);
  EXPECT_EQ(Read().outcome.message, kMsgReadFailed);
  EXPECT_EQ(sim.bus.LoggedFrames(), Job(250, 1, 21));
}

struct FailingCommand {
  std::uint8_t function;
  std::optional<std::uint8_t> index;
  bool factoryMode;
};

TEST_F(ReadOutFamily1Test, AFailedCommandEndsTheReadOutThereWithMessage60) {
  const FailingCommand cases[] = {
      {112, 1, false},  {106, 0, false}, {112, 2, false}, {30, 92, false}, {30, 94, false},
      {30, 79, false},  {69, {}, false}, {66, 0, false},  {106, 1, false}, {106, 3, false},
      {106, 10, false}, {73, 2, false},  {106, 11, true},
  };
  for (const FailingCommand& c : cases) {
    sim.ClearRecords();
    FailOn(c.function, c.index);
    const ReadoutResult result = Read(250, c.factoryMode);
    const std::string what =
        "function " + std::to_string(c.function) + " index " + std::to_string(c.index.value_or(0));
    EXPECT_EQ(result.outcome.message, kMsgReadFailed) << what;
    EXPECT_FALSE(result.readout) << what;
    const std::vector<RequestFrame> frames = sim.bus.LoggedFrames();
    ASSERT_FALSE(frames.empty()) << what;
    const RequestFrame& last = frames.back();
    EXPECT_EQ(last.function, c.function) << what;
    if (c.index) {
      EXPECT_EQ(last.data.at(0), *c.index) << what;
    }
    // The first request of its kind failed, and nothing followed it.
    EXPECT_EQ(std::count(frames.begin(), frames.end(), last), 1) << what;
  }
}

}  // namespace
}  // namespace tarnwick
