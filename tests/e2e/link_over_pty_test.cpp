// The console's link and POSIX backend against a running tarnwick-sim.
#include <atomic>
#include <thread>

#include "bus/bus_log.h"
#include "bus/device_commands.h"
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
    return link.Open(sim.com(), readTimeoutMs, kBusBaudRate);
  }
};

TEST_F(LinkOverPty, SilentStationGivesNoAnswerAfterTheReadTimeout) {
  SimProcess sim(kSimProgram, {"--fault", "silent"});
  ASSERT_EQ(Open(sim), BusResult::kOk);
  DeviceIdentity identity;
  BusResult result = BusResult::kOk;
  const Millis took = Timed([&] { result = Identify(link, 250, identity); });
  EXPECT_EQ(result, BusResult::kNoAnswer);
  EXPECT_GE(took, Millis(400));
  EXPECT_LE(took, Millis(2000));
}

TEST_F(LinkOverPty, SimulatorGoingAwayEndsAPendingReadAtOnce) {
  constexpr int kLongTimeoutMs = 5000;
  // Silent to coefficient reads only, so the read below waits for a reply.
  SimProcess sim(kSimProgram, {"--fault", "silent", "--fault", "only-function:30"});
  ASSERT_EQ(Open(sim, kLongTimeoutMs), BusResult::kOk);
  DeviceIdentity identity;
  ASSERT_EQ(Identify(link, 250, identity), BusResult::kOk);

  std::atomic<bool> requestSent = false;
  link.SetFrameLogger([&](FrameDirection direction, std::span<const std::uint8_t>) {
    if (direction == FrameDirection::kSent) requestSent = true;
  });
  std::thread closer([&] {
    while (!requestSent) std::this_thread::sleep_for(milliseconds(1));
    // Long enough for the echo to come back and the read to wait for more.
    std::this_thread::sleep_for(milliseconds(50));
    sim.Stop();
  });
  float value = 0;
  BusResult result = BusResult::kOk;
  const Millis took = Timed([&] { result = ReadCoefficient(link, 250, 72, value); });
  closer.join();
  link.SetFrameLogger(nullptr);

  EXPECT_EQ(result, BusResult::kNoAnswer) << "only the echo arrived";
  EXPECT_LT(took, Millis(kLongTimeoutMs / 2));
  link.Close();
}

// The simulator never sends a byte before its time, so this bound is firm.
TEST_F(LinkOverPty, RealByteTimingPacesTheLine) {
  SimProcess sim(kSimProgram, {});
  ASSERT_EQ(Open(sim), BusResult::kOk);
  DeviceIdentity identity;
  BusResult result = BusResult::kOk;
  EXPECT_GE(Timed([&] { result = Identify(link, 250, identity); }), kIdentifyWireTime);
  EXPECT_EQ(result, BusResult::kOk);
  link.Close();
}

}  // namespace
}  // namespace tarnwick::testing
