#include <gtest/gtest.h>

#include "bus/device_commands.h"
#include "bus/protocol_numbers.h"
#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

class SimBusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(sim.OpenLink(), BusResult::kOk);
    sim.ClearRecords();
  }

  SimEnvironment sim;
};

TEST_F(SimBusTest, TheEchoPrecedesAReplyFromTheStationsOwnAddress) {
  sim.bus.Add<Family1Station>(std::uint8_t{1});
  std::array<std::uint8_t, 14> buffer{250, kFnIdentify};
  ASSERT_EQ(sim.link.Transfer(buffer, 2, 8), BusResult::kOk);
  EXPECT_EQ((std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + 6)),
            (std::vector<std::uint8_t>{0xFA, 0x30, 0x04, 0x43, 1, kFnIdentify}));
}

TEST_F(SimBusTest, StationsCollideAt250UnlessAllButOneAreSilent) {
  sim.bus.Add<Family1Station>(std::uint8_t{3});
  auto& other = sim.bus.Add<Family1Station>(std::uint8_t{4});
  DeviceIdentity id;
  EXPECT_EQ(Identify(sim.link, 250, id), BusResult::kBadReply);
  EXPECT_EQ(Identify(sim.link, 3, id), BusResult::kOk);
  other.SetFaults({.silent = true});
  EXPECT_EQ(Identify(sim.link, 250, id), BusResult::kOk);
}

TEST_F(SimBusTest, SetBusAddressWithNonZeroMovesTheStation) {
  sim.bus.Add<Family2Station>(std::uint8_t{1});
  std::uint8_t reported = 0;
  ASSERT_EQ(SetBusAddress(sim.link, 250, 17, reported), BusResult::kOk);
  EXPECT_EQ(reported, 17);
  DeviceIdentity id;
  EXPECT_EQ(Identify(sim.link, 17, id), BusResult::kOk);
  EXPECT_EQ(Identify(sim.link, 1, id), BusResult::kNoAnswer);
}

}  // namespace
}  // namespace tarnwick
