#include "sim/simulated_port.h"

#include <gtest/gtest.h>

#include "bus/commands.h"
#include "sim/family1_station.h"
#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

using std::chrono::microseconds;

constexpr double kByteMicros = 10e6 / 9600;  // 10 bits at 9600 baud
const std::vector<std::uint8_t> kIdentifyFrame{0xFA, 0x30, 0x04, 0x43};

class SimulatedPortTest : public ::testing::Test {
 protected:
  std::unique_ptr<SerialPort> OpenPort(int readTimeoutMs) {
    PortError error = PortError::kIo;
    auto port = factory.Open(3, error);
    EXPECT_EQ(error, PortError::kNone);
    EXPECT_TRUE(port->SetLineSettings(9600));
    EXPECT_TRUE(port->SetTimeouts(readTimeoutMs, 200));
    return port;
  }

  VirtualClock clock;
  SimBus bus;
  SimulatedPortFactory factory{clock};
  Family1Station& station = bus.Add<Family1Station>(std::uint8_t{1});

  void SetUp() override { factory.Connect(3, bus); }
};

TEST_F(SimulatedPortTest, ReadEndsAtTheLastBytesArrival) {
  auto port = OpenPort(500);
  const microseconds start = clock.Now();
  ASSERT_EQ(port->Write(kIdentifyFrame.data(), kIdentifyFrame.size()), 4);
  EXPECT_EQ(clock.Now(), start) << "a write does not wait for the wire";
  std::array<std::uint8_t, 14> buffer{};
  ASSERT_EQ(port->Read(buffer.data(), buffer.size()), 14);
  const double expected = 14 * kByteMicros + 2000;  // echo, turnaround, reply
  EXPECT_NEAR(static_cast<double>((clock.Now() - start).count()), expected, 1.0);
}

TEST_F(SimulatedPortTest, RateFollowsTheBaudSet) {
  auto port = OpenPort(500);
  ASSERT_TRUE(port->SetLineSettings(19200));
  const microseconds start = clock.Now();
  ASSERT_EQ(port->Write(kIdentifyFrame.data(), kIdentifyFrame.size()), 4);
  std::array<std::uint8_t, 14> buffer{};
  ASSERT_EQ(port->Read(buffer.data(), buffer.size()), 14);
  EXPECT_NEAR(static_cast<double>((clock.Now() - start).count()), 14 * kByteMicros / 2 + 2000, 1.0);
}

TEST_F(SimulatedPortTest, MissingBytesCostTheWholeTimeout) {
  station.SetFaults({.silent = true});
  auto port = OpenPort(500);
  const microseconds start = clock.Now();
  ASSERT_EQ(port->Write(kIdentifyFrame.data(), kIdentifyFrame.size()), 4);
  std::array<std::uint8_t, 14> buffer{};
  EXPECT_EQ(port->Read(buffer.data(), buffer.size()), 4) << "only the echo";
  EXPECT_EQ(clock.Now() - start, std::chrono::milliseconds(500));
}

TEST_F(SimulatedPortTest, LateReplyWaitsUntilPurged) {
  auto port = OpenPort(10);
  ASSERT_EQ(port->Write(kIdentifyFrame.data(), kIdentifyFrame.size()), 4);
  std::array<std::uint8_t, 14> buffer{};
  // Echo by 4.2 ms, reply from 6.2 ms: three reply bytes make it by 10 ms.
  EXPECT_EQ(port->Read(buffer.data(), buffer.size()), 7);
  EXPECT_EQ(port->Read(buffer.data(), 2), 2) << "the rest of the reply is still coming";
  ASSERT_TRUE(port->PurgeBuffers());
  EXPECT_EQ(port->Read(buffer.data(), buffer.size()), 0);
}

TEST_F(SimulatedPortTest, InstantTimingCostsNothing) {
  factory.SetTiming({.instant = true});
  auto port = OpenPort(500);
  const microseconds start = clock.Now();
  ASSERT_EQ(port->Write(kIdentifyFrame.data(), kIdentifyFrame.size()), 4);
  std::array<std::uint8_t, 14> buffer{};
  ASSERT_EQ(port->Read(buffer.data(), buffer.size()), 14);
  EXPECT_EQ(clock.Now(), start);
}

TEST_F(SimulatedPortTest, SecondOpenIsBusyUntilClosed) {
  auto port = OpenPort(500);
  PortError error = PortError::kNone;
  EXPECT_EQ(factory.Open(3, error), nullptr);
  EXPECT_EQ(error, PortError::kBusy);
  EXPECT_TRUE(port->Close());
  EXPECT_FALSE(factory.IsOpen(3));
  EXPECT_NE(factory.Open(3, error), nullptr);
  EXPECT_EQ(factory.OpenCount(3), 2);
}

TEST_F(SimulatedPortTest, MissingAndBusyNumbers) {
  PortError error = PortError::kNone;
  EXPECT_EQ(factory.Open(4, error), nullptr);
  EXPECT_EQ(error, PortError::kNotFound);
  EXPECT_EQ(factory.DeviceName(4), "");
  EXPECT_EQ(factory.DeviceName(3), "sim:COM3");
  factory.SetBusy(3, true);
  EXPECT_EQ(factory.Open(3, error), nullptr);
  EXPECT_EQ(error, PortError::kBusy);
  factory.SetBusy(3, false);
  factory.Disconnect(3);
  EXPECT_EQ(factory.Open(3, error), nullptr);
  EXPECT_EQ(error, PortError::kNotFound);
}

TEST_F(SimulatedPortTest, UnpluggedPortFailsLikeAVanishedAdapter) {
  auto port = OpenPort(500);
  factory.Unplug(3);
  std::array<std::uint8_t, 14> buffer{};
  EXPECT_FALSE(port->ClearErrors());
  EXPECT_FALSE(port->PurgeBuffers());
  EXPECT_EQ(port->Write(kIdentifyFrame.data(), 4), -1);
  EXPECT_EQ(port->Read(buffer.data(), buffer.size()), -1);
  EXPECT_TRUE(port->Close());
  PortError error = PortError::kNone;
  EXPECT_EQ(factory.Open(3, error), nullptr);
  EXPECT_EQ(error, PortError::kNotFound);
  factory.Connect(3, bus);
  EXPECT_NE(factory.Open(3, error), nullptr);
}

// Through the console's own link: the waits of an exchange on the virtual clock.
TEST(SimulatedLink, CommandCostsPauseWireAndTurnaround) {
  SimEnvironment sim;
  sim.bus.Add<Family1Station>(std::uint8_t{1});
  ASSERT_EQ(sim.OpenLink(), kBusOk);
  const microseconds start = sim.clock.Now();
  float value = 0;
  ASSERT_EQ(ReadCoefficient(250, 72, value), kBusOk);
  // 1 ms pause, 5 request bytes echoed, 2 ms turnaround, 8 reply bytes.
  EXPECT_NEAR(static_cast<double>((sim.clock.Now() - start).count()),
              1000 + 13 * kByteMicros + 2000, 1.0);
}

TEST(SimulatedLink, UnpluggedDuringALinkFailsTheExchange) {
  SimEnvironment sim;
  sim.bus.Add<Family1Station>(std::uint8_t{1});
  ASSERT_EQ(sim.OpenLink(), kBusOk);
  sim.factory.Unplug(SimEnvironment::kSimCom);
  DeviceIdentity id;
  EXPECT_EQ(Identify(250, id), kBusNotPrepared);
  EXPECT_EQ(BusClose(), kBusOk);
  EXPECT_EQ(sim.OpenLink(), kBusOpenFailed);
}

}  // namespace
}  // namespace tarnwick
