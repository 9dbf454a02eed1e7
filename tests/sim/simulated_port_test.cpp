#include "sim/simulated_port.h"

#include <gtest/gtest.h>

#include "sim/family1_station.h"

namespace tarnwick {
namespace {

using std::chrono::microseconds;

constexpr double kByteMicros = 10e6 / 9600;  // 10 bits at 9600 baud
const std::vector<std::uint8_t> kIdentifyFrame{0xFA, 0x30, 0x04, 0x43};

class SimulatedPortTest : public ::testing::Test {
 protected:
  void SetUp() override { factory.Connect(3, bus); }

  std::unique_ptr<SerialPort> OpenPort(int readTimeoutMs, std::uint32_t baud = 9600) {
    PortStatus status;
    auto port = factory.Open(3, status);
    EXPECT_TRUE(status.ok());
    EXPECT_TRUE(port->SetLineSettings(baud).ok());
    EXPECT_TRUE(port->SetTimeouts(readTimeoutMs, 200).ok());
    return port;
  }

  VirtualClock clock;
  SimBus bus;
  SimulatedPortFactory factory{clock};
  Family1Station& station = bus.Add<Family1Station>(std::uint8_t{1});
};

TEST_F(SimulatedPortTest, AReadEndsAtTheLastBytesArrivalAtTheBaudSet) {
  struct Case {
    std::uint32_t baud;
    bool instant;
    double micros;  // echo, 2 ms turnaround, reply
  };
  for (const Case& c : {Case{9600, false, 14 * kByteMicros + 2000},
                        Case{19200, false, 7 * kByteMicros + 2000}, Case{9600, true, 0}}) {
    factory.SetTiming({.instant = c.instant});
    auto port = OpenPort(500, c.baud);
    const microseconds start = clock.Now();
    ASSERT_EQ(port->Write(kIdentifyFrame.data(), kIdentifyFrame.size()).count, 4U);
    EXPECT_EQ(clock.Now(), start) << "a write does not wait for the wire";
    std::array<std::uint8_t, 14> buffer{};
    ASSERT_EQ(port->Read(buffer.data(), buffer.size()).count, 14U);
    EXPECT_NEAR(static_cast<double>((clock.Now() - start).count()), c.micros, 1.0) << c.baud;
  }
}

TEST_F(SimulatedPortTest, ANumberIsBusyWhileOpenOrHeldByAnotherProgram) {
  PortStatus status;
  EXPECT_EQ(factory.Open(4, status), nullptr);
  EXPECT_EQ(status.error, PortError::kNotFound);
  auto port = OpenPort(500);
  EXPECT_EQ(factory.Open(3, status), nullptr);
  EXPECT_EQ(status.error, PortError::kBusy);
  EXPECT_TRUE(port->Close().ok());

  factory.SetBusy(3, true);
  EXPECT_EQ(factory.Open(3, status), nullptr);
  EXPECT_EQ(status.error, PortError::kBusy);
  factory.SetBusy(3, false);
  EXPECT_NE(factory.Open(3, status), nullptr);
}

TEST_F(SimulatedPortTest, UnpluggedPortFailsLikeAVanishedAdapter) {
  auto port = OpenPort(500);
  factory.Unplug(3);
  std::array<std::uint8_t, 14> buffer{};
  EXPECT_EQ(port->ClearErrors().error, PortError::kIo);
  EXPECT_EQ(port->PurgeBuffers().error, PortError::kIo);
  EXPECT_EQ(port->Write(kIdentifyFrame.data(), 4).status.error, PortError::kIo);
  EXPECT_EQ(port->Read(buffer.data(), buffer.size()).status.error, PortError::kIo);
  EXPECT_TRUE(port->Close().ok());
  PortStatus status;
  EXPECT_EQ(factory.Open(3, status), nullptr);
  EXPECT_EQ(status.error, PortError::kNotFound);
  factory.Connect(3, bus);
  EXPECT_NE(factory.Open(3, status), nullptr);
}

}  // namespace
}  // namespace tarnwick
