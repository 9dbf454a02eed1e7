#include "live/live_reading.h"

#include <gtest/gtest.h>

#include "device/sim_requests.h"
#include "sim/station_factory.h"
#include "support/family_numbers.h"
#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

using enum OutputState;
using Frames = std::vector<RequestFrame>;

TEST(SwitchStateByte, ZeroToThreeSetBothPicturesAndOtherValuesNeither) {
  const std::pair<std::uint8_t, SwitchStates> cases[] = {
      {0, {kOpen, kOpen}},           {2, {kOpen, kClosed}},         {3, {kClosed, kClosed}},
      {4, {kUnchanged, kUnchanged}}, {7, {kUnchanged, kUnchanged}},
  };
  for (const auto& [byte, states] : cases) {
    EXPECT_EQ(DecodeSwitchStateByte(byte), states) << "byte " << int{byte};
  }
}

class LiveTickTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(sim.OpenLink(), BusResult::kOk); }

  // A station whose reading stands still at `value`.
  SimStation& AddStation(int family, std::uint8_t address, float value) {
    StationSpec stationSpec;
    stationSpec.family = family;
    stationSpec.address = address;
    SimStation& station = sim.bus.Add(MakeStation(stationSpec));
    station.SetLiveBase(value);
    station.SetMotion({});
    sim.ClearRecords();
    return station;
  }
  // 4 bar: below output 1's hysteresis (6 / 5 bar), inside output 2's window (3 ... 5 bar).
  Family1Station& AddPressureSwitch(bool analogOutputWorks) {
    auto& station = dynamic_cast<Family1Station&>(AddStation(1, 1, 4.0F));
    station.SetAnalogOutputWorks(analogOutputWorks);
    return station;
  }

  SimEnvironment sim;
};

TEST_F(LiveTickTest, PressureSwitchWithWorkingAnalogOutputReadsVoltagePressureAndStates) {
  AddPressureSwitch(true);
  const LiveReading reading = LiveTick(sim.link, Family(1), 250, 0.5F);
  EXPECT_TRUE(reading.outcome.succeeded());
  EXPECT_EQ(sim.bus.LoggedFrames(), (Frames{ReadChannelRequest(250, 2), ReadChannelRequest(250, 1),
                                            ReadParameterRequest(250, 0)}));
  EXPECT_EQ(reading.analogOutputPresent, true);
  EXPECT_FLOAT_EQ(reading.voltage.value(), 2.1F);
  EXPECT_FLOAT_EQ(reading.value.value(), 4.0F);
  EXPECT_EQ(reading.states, (SwitchStates{kOpen, kClosed}));
}

TEST_F(LiveTickTest, PressureSwitchWithoutAnalogOutputReadsTheStatusUnlessItsRangeStartsAtZero) {
  AddPressureSwitch(false);
  LiveReading reading = LiveTick(sim.link, Family(1), 250, 0.5F);
  EXPECT_TRUE(reading.outcome.succeeded());
  EXPECT_EQ(sim.bus.LoggedFrames(),
            (Frames{ReadChannelRequest(250, 2), ReadParameterRequest(250, 0),
                    ReadParameterRequest(250, 0)}));
  EXPECT_EQ(reading.analogOutputPresent, false);
  EXPECT_FALSE(reading.voltage);
  EXPECT_FALSE(reading.value);
  EXPECT_EQ(reading.states, (SwitchStates{kOpen, kClosed}));

  reading = LiveTick(sim.link, Family(1), 250, 0.0F);
  EXPECT_EQ(reading.analogOutputPresent, true);
  EXPECT_EQ(reading.voltage, 0.0F);
  EXPECT_FLOAT_EQ(reading.value.value(), 4.0F);
}

TEST_F(LiveTickTest, NoAnalogOutputAndNoSwitchAtTheProgrammerIsMessage53) {
  AddPressureSwitch(true).SetFaults({.noSwitch = true});
  const LiveReading reading = LiveTick(sim.link, Family(1), 250, 0.5F);
  EXPECT_EQ(reading.outcome.message, kMsgNoSwitchAtProgrammer);
  EXPECT_EQ(reading.analogOutputPresent, false);
  EXPECT_EQ(sim.bus.LoggedFrames(),
            (Frames{ReadChannelRequest(250, 2), ReadParameterRequest(250, 0)}));
}

TEST_F(LiveTickTest, AFailedCommandIsMessage51AndKeepsWhatTheTickHadLearned) {
  AddPressureSwitch(true).SetFaults({.silent = true, .onlyFunction = 73, .onlyIndex = 1});
  const LiveReading reading = LiveTick(sim.link, Family(1), 250, 0.5F);
  EXPECT_EQ(reading.outcome.message, kMsgNoAnswer);
  EXPECT_FLOAT_EQ(reading.voltage.value(), 2.1F);
  EXPECT_FALSE(reading.value);
  EXPECT_EQ(reading.states, SwitchStates{});
}

TEST_F(LiveTickTest, SwitchDeviceReadsChannel1AndRegister18AtTheSessionAddress) {
  // 9 bar: above output 1's hysteresis (8 / 7 bar, NO), inside output 2's NC window.
  AddStation(2, 5, 9.0F);
  const LiveReading reading = LiveTick(sim.link, Family(2), 5, 0.0F);
  EXPECT_TRUE(reading.outcome.succeeded());
  EXPECT_EQ(sim.bus.LoggedFrames(), (Frames{ReadChannelRequest(5, 1), ReadConfigRequest(5, 18)}));
  EXPECT_FLOAT_EQ(reading.value.value(), 9.0F);
  EXPECT_FALSE(reading.analogOutputPresent);
  EXPECT_EQ(reading.states, (SwitchStates{kClosed, kOpen}));
}

TEST_F(LiveTickTest, LevelDeviceReadsChannel0AsItIsAndTheStatesOfParameter0) {
  // 500 l: below output 1's hysteresis (800 / 700), inside output 2's window (400 ... 600).
  AddStation(4, 5, 500.0F);
  const LiveReading reading = LiveTick(sim.link, Family(4), 5, 0.0F);
  EXPECT_TRUE(reading.outcome.succeeded());
  EXPECT_EQ(sim.bus.LoggedFrames(), (Frames{ReadChannelRequest(5, 0), ReadParameterRequest(5, 0)}));
  EXPECT_FLOAT_EQ(reading.value.value(), 500.0F);
  EXPECT_EQ(reading.states, (SwitchStates{kOpen, kClosed}));
}

TEST_F(LiveTickTest, AnUnpluggedAdapterIsMessage51AndNothingIdentifiedSendsNothing) {
  AddStation(2, 250, 9.0F);
  EXPECT_TRUE(LiveTick(sim.link, Family(0), 250, 0.0F).outcome.succeeded());
  EXPECT_TRUE(sim.bus.LoggedFrames().empty());

  sim.factory.Unplug(SimEnvironment::kSimCom);
  const LiveReading reading = LiveTick(sim.link, Family(2), 250, 0.0F);
  EXPECT_EQ(reading.outcome.message, kMsgNoAnswer);
  EXPECT_FALSE(reading.value);
}

}  // namespace
}  // namespace tarnwick
