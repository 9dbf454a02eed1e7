// Opening the link and the bytes of a frame, against a scripted port; the
// result table and its waits run against the simulator (bus_link_sim_test.cpp).
#include "bus/bus_link.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "bus/bus_crc.h"
#include "bus/device_commands.h"
#include "bus/virtual_clock.h"
#include "scripted_port.h"

namespace tarnwick {
namespace {

using testing::PortScript;
using testing::ScriptedPortFactory;
using Bytes = std::vector<std::uint8_t>;

Bytes WithCrc(Bytes frame) {
  const std::uint16_t crc = BusCrc16(frame.data(), 0, static_cast<int>(frame.size()));
  frame.push_back(static_cast<std::uint8_t>(crc >> 8));
  frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
  return frame;
}

class BusLinkTest : public ::testing::Test {
 protected:
  void OpenLink() {
    ASSERT_EQ(link_.Open(3, 500, 9600), BusResult::kOk);
    clock_.ClearSleeps();
  }

  PortScript script_;
  ScriptedPortFactory factory_{script_};
  VirtualClock clock_;
  BusLink link_{factory_, clock_};
};

TEST_F(BusLinkTest, OpenSettlesFiveHundredMillisecondsWithTheGivenTimeouts) {
  EXPECT_EQ(link_.Open(3, 0, 9600), BusResult::kOk);
  EXPECT_EQ(clock_.Sleeps(), (std::vector<int>{500}));
  EXPECT_EQ(script_.lastReadTimeout, 500) << "a time-out of 0 means 500 ms";
  EXPECT_EQ(script_.lastWriteTimeout, 200);
  EXPECT_TRUE(link_.IsOpen());
}

TEST_F(BusLinkTest, ReopeningClosesTheOldLinkAndARefusedBaudOrPortOpensNothing) {
  OpenLink();
  EXPECT_EQ(link_.Open(4, 500, 9600), BusResult::kOk);
  EXPECT_EQ(script_.closes, 1);
  clock_.ClearSleeps();
  EXPECT_EQ(link_.Open(3, 500, 14400), BusResult::kOpenFailed);
  EXPECT_TRUE(link_.IsOpen());
  for (int port : {0, 257}) {
    EXPECT_EQ(link_.Open(port, 500, 9600), BusResult::kOpenFailed) << port;
    EXPECT_FALSE(link_.IsOpen());
  }
  EXPECT_EQ(script_.opens, 2);
  EXPECT_EQ(script_.closes, 2);
  EXPECT_TRUE(clock_.Sleeps().empty());
}

TEST_F(BusLinkTest, FailedOpenWaitsOneReadTimeoutAndTellsWhy) {
  script_.openFails = true;
  script_.openError = PortError::kPermission;
  EXPECT_EQ(link_.Open(3, 300, 9600), BusResult::kOpenFailed);
  EXPECT_EQ(link_.Open(3, 0, 9600), BusResult::kOpenFailed);
  EXPECT_EQ(clock_.Sleeps(), (std::vector<int>{300, 500}));
  EXPECT_EQ(link_.LastPortStatus().error, PortError::kPermission);
}

TEST_F(BusLinkTest, RefusedSettingsFailAndLeaveThePortForTheCallerToClose) {
  for (bool* failure : {&script_.lineSettingsFail, &script_.dtrFails, &script_.timeoutsFail}) {
    *failure = true;
    clock_.ClearSleeps();
    EXPECT_EQ(link_.Open(3, 500, 9600), BusResult::kOpenFailed);
    EXPECT_EQ(link_.LastPortStatus().error, PortError::kSettings);
    EXPECT_EQ(clock_.Sleeps(), (std::vector<int>{500}));
    EXPECT_TRUE(link_.IsOpen());
    *failure = false;
  }
}

TEST_F(BusLinkTest, CloseReportsAFailedCloseButCountsTheLinkClosed) {
  EXPECT_EQ(link_.Close(), BusResult::kOk);
  OpenLink();
  script_.closeFails = true;
  EXPECT_EQ(link_.Close(), BusResult::kOpenFailed);
  EXPECT_FALSE(link_.IsOpen());
  EXPECT_EQ(link_.Close(), BusResult::kOk);
}

TEST_F(BusLinkTest, ExampleRequestFramesGoOutByteForByte) {
  OpenLink();
  script_.reply = WithCrc({0xFA, 0x30, 12, 1, 5, 12, 0, 0});
  DeviceIdentity identity;
  EXPECT_EQ(Identify(link_, 250, identity), BusResult::kOk);
  float value = 0;
  ReadCoefficient(link_, 250, 72, value);
  std::uint8_t reported = 0;
  SetBusAddress(link_, 250, 0, reported);
  std::int32_t serial = 0;
  ReadSerialNumber(link_, 250, serial);
  WriteCoefficient(link_, 250, 72, 2.5f);

  ASSERT_EQ(script_.written.size(), 5u);
  EXPECT_EQ(script_.written[0], (Bytes{0xFA, 0x30, 0x04, 0x43}));
  EXPECT_EQ(script_.written[1], (Bytes{0xFA, 0x1E, 0x48, 0x67, 0x58}));
  EXPECT_EQ(script_.written[2], (Bytes{0xFA, 0x42, 0x00, 0x51, 0x61}));
  EXPECT_EQ(script_.written[3], (Bytes{0xFA, 0x45, 0xE3, 0x82}));
  EXPECT_EQ(script_.written[4], WithCrc({0xFA, 0x1F, 0x48, 0x40, 0x20, 0x00, 0x00}));
  EXPECT_EQ(identity, (DeviceIdentity{12, 1, 5, 12, 0, 0}));
}

TEST_F(BusLinkTest, RepliesDecodeBigEndian) {
  OpenLink();
  float value = 0;
  script_.reply = WithCrc({0xFA, 0x1E, 0x41, 0x20, 0x00, 0x00});
  ASSERT_EQ(ReadCoefficient(link_, 250, 72, value), BusResult::kOk);
  EXPECT_EQ(value, 10.0f);
  script_.reply = WithCrc({0xFA, 0x1E, 0xBF, 0x80, 0x00, 0x00});
  ASSERT_EQ(ReadCoefficient(link_, 250, 72, value), BusResult::kOk);
  EXPECT_EQ(value, -1.0f);

  std::int32_t serial = 0;
  script_.reply = WithCrc({0xFA, 0x45, 0x00, 0x01, 0xE2, 0x40});
  ASSERT_EQ(ReadSerialNumber(link_, 250, serial), BusResult::kOk);
  EXPECT_EQ(serial, 123456);

  std::uint8_t status = 0;
  script_.reply = WithCrc({0xFA, 0x49, 0x40, 0x20, 0x00, 0x00, 0x07});
  ASSERT_EQ(ReadChannel(link_, 250, 2, value, status), BusResult::kOk);
  EXPECT_EQ(value, 2.5f);
  EXPECT_EQ(status, 7);
}

TEST_F(BusLinkTest, TransferNeverReadsPastItsBuffer) {
  std::array<std::uint8_t, 16> request{0xFA, 0x30};
  EXPECT_EQ(link_.Transfer(request, 2, 8), BusResult::kNotPrepared) << "the link is closed";
  EXPECT_NE(BusResult::kNotPrepared, BusResult::kOpenFailed) << "told apart in the program";
  EXPECT_EQ(BusResultCode(BusResult::kNotPrepared), -1) << "the protocol's number for both";

  OpenLink();
  std::array<std::uint8_t, 8> tooSmall{0xFA, 0x30};
  EXPECT_EQ(link_.Transfer(tooSmall, 2, 8), BusResult::kWriteFailed);
  EXPECT_TRUE(script_.written.empty()) << "refused before anything is sent";

  script_.reply = WithCrc({0xFA, 0x1E, 1, 2, 3, 4});
  script_.reply.insert(script_.reply.end(), 64, 0xEE);
  std::array<std::uint8_t, 14> exact{0xFA, 0x1E, 72};
  EXPECT_EQ(link_.Transfer(exact, 3, 6), BusResult::kOk)
      << "an overlong reply is cut where it should end";
}

}  // namespace
}  // namespace tarnwick
