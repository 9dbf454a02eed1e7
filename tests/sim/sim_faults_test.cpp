#include <gtest/gtest.h>

#include "bus/commands.h"
#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

struct FaultCase {
  const char* name;
  StationFaults faults;
  BusResult expected;
};

class SimFaultTest : public ::testing::TestWithParam<FaultCase> {
 protected:
  void SetUp() override { ASSERT_EQ(sim.OpenLink(), kBusOk); }

  SimEnvironment sim;
  Family2Station& station = sim.bus.Add<Family2Station>(std::uint8_t{1});
};

TEST_P(SimFaultTest, ReadCoefficientSeesTheFault) {
  station.SetFaults(GetParam().faults);
  float value = -7.0f;
  EXPECT_EQ(ReadCoefficient(250, 81, value), GetParam().expected);
  if (GetParam().expected != kBusOk) {
    EXPECT_EQ(value, -7.0f);
  }
  station.ClearFaults();
  EXPECT_EQ(ReadCoefficient(250, 81, value), kBusOk);
  EXPECT_FLOAT_EQ(value, 16.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SimFaultTest,
    ::testing::Values(
        FaultCase{"Silent", {.silent = true}, kBusNoAnswer},
        FaultCase{"BadCrc", {.corruptCrc = true}, kBusBadReply},
        FaultCase{"Exception2", {.exception = 2}, kBusExceptionAddress},
        FaultCase{"Exception32", {.exception = 32}, kBusExceptionDevice},
        FaultCase{"UnknownException", {.exception = 7}, kBusBadReply},
        // Accepted by the link: a CRC-valid reply is enough, whatever its length.
        FaultCase{"ShortReply", {.shortReplyBy = 1}, kBusOk},
        FaultCase{"ShortToNothing", {.shortReplyBy = 4}, kBusBadReply},
        FaultCase{"GarbageBefore", {.garbageBefore = {0x00, 0xFF}}, kBusBadReply},
        FaultCase{"OtherFunctionOnly", {.silent = true, .onlyFunction = 48}, kBusOk},
        FaultCase{"ThisFunctionOnly", {.silent = true, .onlyFunction = 30}, kBusNoAnswer},
        FaultCase{"OtherIndexOnly", {.silent = true, .onlyFunction = 30, .onlyIndex = 80}, kBusOk},
        FaultCase{"ThisIndexOnly", {.silent = true, .onlyIndex = 81}, kBusNoAnswer}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SimFaults, ShortReplyDropsTheLastDataBytes) {
  SimEnvironment sim;
  auto& station = sim.bus.Add<Family2Station>(std::uint8_t{1});
  ASSERT_EQ(sim.OpenLink(), kBusOk);
  station.SetFaults({.shortReplyBy = 2});
  std::array<std::uint8_t, 16> buffer{250, 30, 81};
  ASSERT_EQ(BusTransfer(buffer, 3, 6), kBusOk);
  // 16.0f is 41 80 00 00; only 41 80 arrive, then the CRC.
  EXPECT_EQ(buffer[7], 0x41);
  EXPECT_EQ(buffer[8], 0x80);
}

TEST(SimFaults, SilentStationDoesNotAct) {
  SimEnvironment sim;
  auto& station = sim.bus.Add<Family2Station>(std::uint8_t{1});
  ASSERT_EQ(sim.OpenLink(), kBusOk);
  station.SetFaults({.silent = true});
  EXPECT_EQ(WriteCoefficient(250, 72, 1.0f), kBusNoAnswer);
  EXPECT_FLOAT_EQ(station.Stored().coefficients.at(72), 8.0f);
}

}  // namespace
}  // namespace tarnwick
