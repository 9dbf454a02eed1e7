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
    PortError error = PortError::kIo;
    auto port = factory.Open(3, error);
    EXPECT_EQ(error, PortError::kNone);
    EXPECT_TRUE(port->SetLineSettings(baud));
    EXPECT_TRUE(port->SetTimeouts(readTimeoutMs, 200));
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
    ASSERT_EQ(port->Write(kIdentifyFrame.data(), kIdentifyFrame.size()), 4);
    EXPECT_EQ(clock.Now(), start) << "a write does not wait for the wire";
    std::array<std::uint8_t, 14> buffer{};
    ASSERT_EQ(port->Read(buffer.data(), buffer.size()), 14);
    EXPECT_NEAR(static_cast<double>((clock.Now() - start).count()), c.micros, 1.0) << c.baud;
  }
}

TEST_F(SimulatedPortTest, ANumberIsBusyWhileOpenOrHeldByAnotherProgram) {
  PortError error = PortError::kNone;
  EXPECT_EQ(factory.Open(4, error), nullptr);
  EXPECT_EQ(error, PortError::kNotFound);
  auto port = OpenPort(500);
  EXPECT_EQ(factory.Open(3, error), nullptr);
  EXPECT_EQ(error, PortError::kBusy);
  EXPECT_TRUE(port->Close());

  factory.SetBusy(3, true);
  EXPECT_EQ(factory.Open(3, error), nullptr);
  EXPECT_EQ(error, PortError::kBusy);
  factory.SetBusy(3, false);
  EXPECT_NE(factory.Open(3, error), nullptr);
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

}  // namespace
}  // namespace tarnwick
