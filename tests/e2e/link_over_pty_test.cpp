// The console's link and POSIX backend against a running tarnwick-sim.
#include <algorithm>
#include <atomic>
#include <thread>

#include "bus/bus_log.h"
#include "bus/commands.h"
#include "device/identification.h"
#include "e2e_support.h"

namespace tarnwick::testing {
namespace {

using std::chrono::milliseconds;

// Identify: 4 request bytes echoed and a 10-byte reply at 9600 baud, after
// the stations' turnaround.
const Millis kIdentifyWireTime{14 * 10 * 1000.0 / 9600 + 2.0};

class LinkOverPty : public E2eTest {
 protected:
  BusResult Open(const SimProcess& sim, int readTimeoutMs = kDefaultReadTimeoutMs) {
    return BusOpen(sim.com(), readTimeoutMs, 9600);
  }
};

TEST_F(LinkOverPty, EachFamilyIsIdentifiedAtItsAddressAndTheyCollideAt250) {
  SimProcess sim(kSimProgram, {"--station", "family=1,address=1", "--station", "family=2,address=2",
                               "--station", "family=4,address=4"});
  ASSERT_EQ(Open(sim), kBusOk);
  for (const int family : {kFamilyPressureSwitch, kFamilySwitchDevice, kFamilyLevelDevice}) {
    DeviceIdentity identity;
    ASSERT_EQ(Identify(static_cast<std::uint8_t>(family), identity), kBusOk) << family;
    const FamilyMatch match = FamilyOf(identity);
    EXPECT_EQ(match.family, family);
    EXPECT_TRUE(match.supported()) << family;
  }
  DeviceIdentity identity;
  EXPECT_EQ(Identify(250, identity), kBusBadReply) << "three replies at once are garbled";
  EXPECT_EQ(BusClose(), kBusOk);
}

TEST_F(LinkOverPty, SilentStationGivesNoAnswerAfterTheReadTimeout) {
  SimProcess sim(kSimProgram, {"--fault", "silent"});
  ASSERT_EQ(Open(sim), kBusOk);
  DeviceIdentity identity;
  BusResult result = kBusOk;
  const Millis took = Timed([&] { result = Identify(250, identity); });
  EXPECT_EQ(result, kBusNoAnswer);
  EXPECT_GE(took, Millis(400));
  EXPECT_LE(took, Millis(2000));
}

TEST_F(LinkOverPty, SecondOpenOfTheSamePortFails) {
  SimProcess sim(kSimProgram, {"--instant"});
  ASSERT_EQ(Open(sim), kBusOk);
  PortError error = PortError::kNone;
  EXPECT_EQ(factory.Open(sim.com(), error), nullptr);
  EXPECT_EQ(error, PortError::kBusy);

  ASSERT_EQ(BusClose(), kBusOk);
  EXPECT_NE(factory.Open(sim.com(), error), nullptr) << "free again once the link closed";
}

TEST_F(LinkOverPty, SimulatorGoingAwayEndsAPendingReadAtOnce) {
  constexpr int kLongTimeoutMs = 5000;
  // Silent to coefficient reads only, so the read below waits for a reply.
  SimProcess sim(kSimProgram, {"--fault", "silent", "--fault", "only-function:30"});
  ASSERT_EQ(Open(sim, kLongTimeoutMs), kBusOk);
  DeviceIdentity identity;
  ASSERT_EQ(Identify(250, identity), kBusOk);

  std::atomic<bool> requestSent = false;
  SetBusFrameLogger([&](FrameDirection direction, std::span<const std::uint8_t>) {
    if (direction == FrameDirection::kSent) requestSent = true;
  });
  std::thread closer([&] {
    while (!requestSent) std::this_thread::sleep_for(milliseconds(1));
    // Long enough for the echo to come back and the read to wait for more.
    std::this_thread::sleep_for(milliseconds(50));
    sim.Stop();
  });
  float value = 0;
  BusResult result = kBusOk;
  const Millis took = Timed([&] { result = ReadCoefficient(250, 72, value); });
  closer.join();
  SetBusFrameLogger(nullptr);

  EXPECT_EQ(result, kBusNoAnswer) << "only the echo arrived";
  EXPECT_LT(took, Millis(kLongTimeoutMs / 2));
  BusClose();
}

TEST_F(LinkOverPty, RealByteTimingPacesTheLineAndInstantDoesNot) {
  SimProcess paced(kSimProgram, {});
  SimProcess instant(kSimProgram, {"--instant"});
  const auto fastestIdentify = [&](const SimProcess& sim) {
    EXPECT_EQ(Open(sim), kBusOk);
    Millis fastest{1e9};
    for (int i = 0; i < 5; ++i) {
      DeviceIdentity identity;
      BusResult result = kBusOk;
      fastest = std::min(fastest, Timed([&] { result = Identify(250, identity); }));
      EXPECT_EQ(result, kBusOk);
    }
    BusClose();
    return fastest;
  };
  // The simulator never sends a byte before its time, so this bound is firm.
  EXPECT_GE(fastestIdentify(paced), kIdentifyWireTime);
  EXPECT_LT(fastestIdentify(instant), kIdentifyWireTime);
}

}  // namespace
}  // namespace tarnwick::testing
