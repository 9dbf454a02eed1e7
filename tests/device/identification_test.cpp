#include "device/identification.h"

#include <gtest/gtest.h>

#include <functional>

#include "device/sim_requests.h"
#include "support/family_numbers.h"
#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

struct IdentityCase {
  DeviceIdentity identity;
  FamilyMatch match;
};

TEST(FamilyTable, VersionConditionsHoldExactlyOnTheirBoundaries) {
  const IdentityCase cases[] = {
      {{12, 1, 5, 9, 0, 0}, {Family(1), false}},   {{12, 1, 5, 10, 0, 0}, {Family(1), true}},
      {{12, 1, 5, 20, 0, 0}, {Family(1), true}},   {{12, 1, 5, 21, 0, 0}, {Family(1), false}},
      {{12, 1, 4, 15, 0, 0}, {Family(1), false}},  {{12, 1, 6, 15, 0, 0}, {Family(1), false}},
      {{11, 10, 0, 0, 0, 0}, {Family(2), true}},   {{11, 10, 255, 255, 0, 0}, {Family(2), true}},
      {{15, 1, 6, 3, 0, 0}, {Family(4), false}},   {{15, 1, 6, 4, 0, 0}, {Family(4), true}},
      {{15, 1, 6, 20, 0, 0}, {Family(4), true}},   {{15, 1, 6, 21, 0, 0}, {Family(4), false}},
      {{15, 1, 9, 47, 0, 0}, {Family(4), false}},  {{15, 1, 9, 48, 0, 0}, {Family(4), true}},
      {{15, 1, 9, 49, 0, 0}, {Family(4), false}},  {{15, 1, 7, 10, 0, 0}, {Family(4), false}},
      {{15, 1, 10, 0, 0, 0}, {Family(4), true}},   {{15, 1, 255, 0, 0, 0}, {Family(4), true}},
      {{12, 2, 5, 12, 0, 0}, {Family(0), false}},  {{11, 1, 0, 0, 0, 0}, {Family(0), false}},
      {{15, 10, 10, 0, 0, 0}, {Family(0), false}}, {{0, 0, 0, 0, 0, 0}, {Family(0), false}},
  };
  for (const IdentityCase& c : cases) {
    const DeviceIdentity& id = c.identity;
    SCOPED_TRACE(std::to_string(id.Class) + "." + std::to_string(id.Group) + " v" +
                 std::to_string(id.VersionMajor) + "." + std::to_string(id.VersionMinor));
    EXPECT_EQ(FamilyOf(id).family, c.match.family);
    EXPECT_EQ(FamilyOf(id).supported(), c.match.versionSupported);
  }
}

// Forwards to the simulation's clock and lets a test act on the bus in the
// middle of an engine's wait.
class HookedClock final : public Clock {
 public:
  HookedClock(VirtualClock& inner, std::function<void(int)> onSleep)
      : inner_(inner), onSleep_(std::move(onSleep)) {}

  std::chrono::microseconds Now() const override { return inner_.Now(); }
  void Sleep(int milliseconds) override {
    inner_.Sleep(milliseconds);
    onSleep_(milliseconds);
  }

 private:
  VirtualClock& inner_;
  std::function<void(int)> onSleep_;
};

class Identification : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(sim.OpenLink(), BusResult::kOk);
    sim.ClearRecords();
  }

  EngineOutcome Identify(BusLink& link, std::uint8_t address) {
    return IdentifyDevice(link, address, identity, family);
  }
  EngineOutcome Identify(std::uint8_t address) { return Identify(sim.link, address); }

  SimEnvironment sim;
  DeviceIdentity identity;
  DeviceFamily family = Family(255);
};

TEST_F(Identification, SupportedDeviceAnswersTheFirstRequest) {
  sim.bus.Add<Family4Station>(std::uint8_t{5}, std::uint8_t{9}, std::uint8_t{48});
  EXPECT_TRUE(Identify(5).succeeded());
  EXPECT_EQ(family, DeviceFamily::kLevelDevice);
  EXPECT_EQ(identity, (DeviceIdentity{15, 1, 9, 48, 0, 0}));
  EXPECT_EQ(sim.bus.LoggedFrames(), std::vector{IdentifyRequest(5)});
  EXPECT_TRUE(EngineWaits(sim.clock).empty());
}

TEST_F(Identification, DeviceAnsweringOnlyTheSecondRequestIsAccepted) {
  Family2Station& station = sim.bus.Add<Family2Station>(std::uint8_t{250});
  // The station wakes up during the pause before the second attempt.
  HookedClock clock(sim.clock, [&](int milliseconds) {
    if (milliseconds == kIdentifyRetryPauseMs) station.ClearFaults();
  });
  sim.link.Close();
  BusLink hooked(sim.factory, clock);
  ASSERT_EQ(hooked.Open(SimEnvironment::kSimCom, 0, kBusBaudRate), BusResult::kOk);
  station.SetFaults({.silent = true});
  sim.ClearRecords();
  EXPECT_TRUE(Identify(hooked, 250).succeeded());
  EXPECT_EQ(family, DeviceFamily::kSwitchDevice);
  EXPECT_EQ(sim.bus.LoggedFrames(), (std::vector{IdentifyRequest(250), IdentifyRequest(250)}));
  EXPECT_EQ(EngineWaits(sim.clock), std::vector{500});
}

TEST_F(Identification, KnownDeviceWithRefusedVersionOrUnknownDeviceIsMessage52) {
  sim.bus.Add<Family1Station>(std::uint8_t{1}, std::uint8_t{21});
  EXPECT_EQ(Identify(1).message, kMsgNotSupported);
  EXPECT_EQ(family, DeviceFamily::kNone);
  EXPECT_EQ(identity, (DeviceIdentity{12, 1, 5, 21, 0, 0}));
  EXPECT_TRUE(FamilyOf(identity).versionRefused());
  // A refused identity is an answer: no second attempt.
  EXPECT_EQ(sim.bus.LoggedFrames(), std::vector{IdentifyRequest(1)});

  sim.bus.Add<Family2Station>(std::uint8_t{9}).SetIdentity({11, 11, 1, 0, 0, 0});
  EXPECT_EQ(Identify(9).message, kMsgNotSupported);
  EXPECT_FALSE(FamilyOf(identity).versionRefused());
}

}  // namespace
}  // namespace tarnwick
