// The reply faults themselves are each driven through the link's result table
// (tests/bus); here is what limits them and what they leave undone.
#include <gtest/gtest.h>

#include "bus/device_commands.h"
#include "bus/protocol_numbers.h"
#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

class SimFaultTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(sim.OpenLink(), BusResult::kOk); }

  SimEnvironment sim;
  Family2Station& station = sim.bus.Add<Family2Station>(std::uint8_t{1});
};

TEST_F(SimFaultTest, AFaultHitsOnlyItsFunctionAndIndexAndClearsAway) {
  struct Case {
    StationFaults faults;
    BusResult expected;
  };
  const Case cases[] = {
      {{.silent = true, .onlyFunction = kFnIdentify}, BusResult::kOk},
      {{.silent = true, .onlyFunction = kFnReadCoefficient}, BusResult::kNoAnswer},
      {{.silent = true, .onlyFunction = kFnReadCoefficient, .onlyIndex = 80}, BusResult::kOk},
      {{.silent = true, .onlyIndex = 81}, BusResult::kNoAnswer},
  };
  float value = 0;
  for (const Case& c : cases) {
    station.SetFaults(c.faults);
    EXPECT_EQ(ReadCoefficient(sim.link, 250, 81, value), c.expected);
  }
  station.ClearFaults();
  EXPECT_EQ(ReadCoefficient(sim.link, 250, 81, value), BusResult::kOk);
  EXPECT_FLOAT_EQ(value, 16.0f);
}

TEST_F(SimFaultTest, ASilentStationDoesNotAct) {
  station.SetFaults({.silent = true});
  EXPECT_EQ(WriteCoefficient(sim.link, 250, 72, 1.0f), BusResult::kNoAnswer);
  EXPECT_FLOAT_EQ(station.Stored().coefficients.at(72), 8.0f);
}

TEST_F(SimFaultTest, AnIgnoredWriteIsAnsweredAsTakenButKeepsTheValue) {
  station.SetFaults({.ignoredWrite = 72});
  EXPECT_EQ(WriteCoefficient(sim.link, 250, 72, 1.0f), BusResult::kOk);
  EXPECT_EQ(WriteCoefficient(sim.link, 250, 73, 1.0f), BusResult::kOk);
  EXPECT_FLOAT_EQ(station.Stored().coefficients.at(72), 8.0f);
  EXPECT_FLOAT_EQ(station.Stored().coefficients.at(73), 1.0f);
}

}  // namespace
}  // namespace tarnwick
