#include "live/live_reading.h"

#include <gtest/gtest.h>

#include "device/sim_requests.h"
#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

using enum OutputState;

struct StateCase {
  std::uint8_t byte;
  SwitchStates states;
};

TEST(SwitchStateByte, ZeroToThreeSetBothPicturesAndOtherValuesNeither) {
  const StateCase cases[] = {
      {0, {kOpen, kOpen}},
      {1, {kClosed, kOpen}},
      {2, {kOpen, kClosed}},
      {3, {kClosed, kClosed}},
      {4, {kUnchanged, kUnchanged}},
      {7, {kUnchanged, kUnchanged}},
      {255, {kUnchanged, kUnchanged}},
  };
  for (const StateCase& c : cases) {
    EXPECT_EQ(DecodeSwitchStateByte(c.byte), c.states) << "byte " << int{c.byte};
  }
}

class LiveTickTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(sim.OpenLink(), kBusOk); }

  // A station whose reading stands still at `value`.
  template <typename Station>
  Station& AddStation(std::uint8_t address, float value) {
    Station& station = sim.bus.Add<Station>(address);
    station.SetLiveBase(value);
    station.SetMotion({});
    sim.ClearRecords();
    return station;
  }

  SimEnvironment sim;
};

TEST_F(LiveTickTest, PressureSwitchWithWorkingAnalogOutputReadsVoltagePressureAndStates) {
  // 4 bar: below switch 1's hysteresis (6 / 5 bar), inside switch 2's window (3 ... 5 bar).
  AddStation<Family1Station>(1, 4.0F);
  const LiveReading reading = LiveTick(1, 250, 0.5F);
  EXPECT_TRUE(reading.outcome.succeeded());
  EXPECT_EQ(sim.bus.LoggedFrames(),
            (std::vector{ReadChannelRequest(250, 2), ReadChannelRequest(250, 1),
                         ReadParameterRequest(250, 0)}));
  EXPECT_EQ(reading.analogOutputPresent, true);
  EXPECT_FLOAT_EQ(reading.voltage.value(), 2.1F);
  EXPECT_FLOAT_EQ(reading.value.value(), 4.0F);
  EXPECT_EQ(reading.states, (SwitchStates{kOpen, kClosed}));
}

TEST_F(LiveTickTest, PressureSwitchWithoutAnalogOutputReadsOnlyTheStatusAndStates) {
  Family1Station& station = AddStation<Family1Station>(1, 4.0F);
  station.SetAnalogOutputWorks(false);
  const LiveReading reading = LiveTick(1, 250, 0.5F);
  EXPECT_TRUE(reading.outcome.succeeded());
  EXPECT_EQ(sim.bus.LoggedFrames(),
            (std::vector{ReadChannelRequest(250, 2), ReadParameterRequest(250, 0),
                         ReadParameterRequest(250, 0)}));
  EXPECT_EQ(reading.analogOutputPresent, false);
  EXPECT_FALSE(reading.voltage);
  EXPECT_FALSE(reading.value);
  EXPECT_EQ(reading.states, (SwitchStates{kOpen, kClosed}));
}

TEST_F(LiveTickTest, ZeroVoltsIsAValidReadingWhenTheRangeStartsAtZero) {
  Family1Station& station = AddStation<Family1Station>(1, 4.0F);
  station.SetAnalogOutputWorks(false);
  const LiveReading reading = LiveTick(1, 250, 0.0F);
  EXPECT_EQ(reading.analogOutputPresent, true);
  EXPECT_EQ(reading.voltage, 0.0F);
  EXPECT_FLOAT_EQ(reading.value.value(), 4.0F);
  EXPECT_EQ(sim.bus.LoggedFrames().at(1), ReadChannelRequest(250, 1));
}

TEST_F(LiveTickTest, NoAnalogOutputAndNoSwitchAtTheProgrammerIsMessage53) {
  Family1Station& station = AddStation<Family1Station>(1, 4.0F);
  station.SetFaults({.noSwitch = true});
  const LiveReading reading = LiveTick(1, 250, 0.5F);
  EXPECT_EQ(reading.outcome.message, kMsgNoSwitchAtProgrammer);
  EXPECT_EQ(reading.analogOutputPresent, false);
  EXPECT_EQ(sim.bus.LoggedFrames(),
            (std::vector{ReadChannelRequest(250, 2), ReadParameterRequest(250, 0)}));
}

TEST_F(LiveTickTest, AFailedCommandIsMessage51AndKeepsWhatTheTickHadLearned) {
  Family1Station& station = AddStation<Family1Station>(1, 4.0F);
  station.SetFaults({.silent = true, .onlyFunction = 73, .onlyIndex = 1});
  const LiveReading reading = LiveTick(1, 250, 0.5F);
  EXPECT_EQ(reading.outcome.message, kMsgNoAnswer);
  EXPECT_FLOAT_EQ(reading.voltage.value(), 2.1F);
  EXPECT_FALSE(reading.value);
  EXPECT_EQ(reading.states, SwitchStates{});
  EXPECT_EQ(sim.bus.LoggedFrames().back(), ReadChannelRequest(250, 1));
}

TEST_F(LiveTickTest, SwitchDeviceReadsChannel1AndRegister18AtTheSessionAddress) {
  // 9 bar: above switch 1's hysteresis (8 / 7 bar, NO), inside switch 2's NC window.
  AddStation<Family2Station>(5, 9.0F);
  const LiveReading reading = LiveTick(2, 5, 0.0F);
  EXPECT_TRUE(reading.outcome.succeeded());
  EXPECT_EQ(sim.bus.LoggedFrames(),
            (std::vector{ReadChannelRequest(5, 1), ReadConfigRequest(5, 18)}));
  EXPECT_FLOAT_EQ(reading.value.value(), 9.0F);
  EXPECT_FALSE(reading.voltage);
  EXPECT_FALSE(reading.analogOutputPresent);
  EXPECT_EQ(reading.states, (SwitchStates{kClosed, kOpen}));
}

TEST_F(LiveTickTest, LevelDeviceReadsChannel0AsItIsAndTheStatesOfParameter0) {
  // 500 l: below switch 1's hysteresis (800 / 700), inside switch 2's window (400 ... 600).
  AddStation<Family4Station>(5, 500.0F);
  const LiveReading reading = LiveTick(4, 5, 0.0F);
  EXPECT_TRUE(reading.outcome.succeeded());
  EXPECT_EQ(sim.bus.LoggedFrames(),
            (std::vector{ReadChannelRequest(5, 0), ReadParameterRequest(5, 0)}));
  EXPECT_FLOAT_EQ(reading.value.value(), 500.0F);
  EXPECT_EQ(reading.states, (SwitchStates{kOpen, kClosed}));
}

TEST_F(LiveTickTest, AnUnpluggedAdapterFailsTheNextTickWithMessage51) {
  AddStation<Family2Station>(250, 9.0F);
  sim.factory.Unplug(SimEnvironment::kSimCom);
  const LiveReading reading = LiveTick(2, 250, 0.0F);
  EXPECT_EQ(reading.outcome.message, kMsgNoAnswer);
  EXPECT_FALSE(reading.value);
}

TEST_F(LiveTickTest, NothingIdentifiedSendsNothing) {
  AddStation<Family2Station>(250, 9.0F);
  const LiveReading reading = LiveTick(0, 250, 0.0F);
  EXPECT_TRUE(reading.outcome.succeeded());
  EXPECT_FALSE(reading.value);
  EXPECT_EQ(reading.states, SwitchStates{});
  EXPECT_TRUE(sim.bus.LoggedFrames().empty());
}

}  // namespace
}  // namespace tarnwick
