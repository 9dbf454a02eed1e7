#include "bus/bus_link.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "bus/bus_crc.h"
#include "bus/commands.h"
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

TEST(BusCrc16, MatchesTheKnownChecksums) {
  const Bytes text{'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  EXPECT_EQ(BusCrc16(text.data(), 0, 9), 0x4B37);
  const Bytes identify{0xFA, 0x30};
  EXPECT_EQ(BusCrc16(identify.data(), 0, 2), 0x0443);
  EXPECT_EQ(BusCrc16(text.data(), 0, 0), 0xFFFF);
  EXPECT_EQ(BusCrc16(text.data(), 0, -3), 0xFFFF);
  EXPECT_EQ(BusCrc16(text.data(), 2, 1), BusCrc16(Bytes{'3'}.data(), 0, 1));
}

class BusLinkTest : public ::testing::Test {
 protected:
  void SetUp() override { TheBusLink().Attach(&factory_, &clock_); }
  void TearDown() override { TheBusLink().Detach(); }

  void OpenLink() {
    ASSERT_EQ(BusOpen(3, 500, 9600), kBusOk);
    clock_.ClearSleeps();
  }

  PortScript script_;
  ScriptedPortFactory factory_{script_};
  VirtualClock clock_;
};

TEST_F(BusLinkTest, OpenSettlesFiveHundredMillisecondsWithTheGivenTimeouts) {
  EXPECT_EQ(BusOpen(3, 0, 9600), kBusOk);
  EXPECT_EQ(clock_.Sleeps(), (std::vector<int>{500}));
  EXPECT_EQ(script_.lastReadTimeout, 500);
  EXPECT_EQ(script_.lastWriteTimeout, 200);
  EXPECT_TRUE(TheBusLink().IsOpen());
}

TEST_F(BusLinkTest, UnsupportedBaudRateTouchesNoPortNotEvenAnOpenOne) {
  OpenLink();
  EXPECT_EQ(BusOpen(3, 500, 14400), kBusOpenFailed);
  EXPECT_EQ(script_.opens, 1);
  EXPECT_EQ(script_.closes, 0);
  EXPECT_TRUE(TheBusLink().IsOpen());
  EXPECT_TRUE(clock_.Sleeps().empty());
}

TEST_F(BusLinkTest, PortOutOfRangeClosesTheOpenLinkAndOpensNothing) {
  for (int port : {0, 257}) {
    OpenLink();
    const int opens = script_.opens;
    EXPECT_EQ(BusOpen(port, 500, 9600), kBusOpenFailed) << port;
    EXPECT_EQ(script_.opens, opens);
    EXPECT_FALSE(TheBusLink().IsOpen());
    EXPECT_TRUE(clock_.Sleeps().empty());
  }
}

TEST_F(BusLinkTest, OpeningAgainClosesTheOldLinkFirst) {
  OpenLink();
  EXPECT_EQ(BusOpen(4, 500, 9600), kBusOk);
  EXPECT_EQ(script_.closes, 1);
  EXPECT_EQ(script_.opens, 2);
}

TEST_F(BusLinkTest, FailedOpenWaitsOneReadTimeoutAndTellsWhy) {
  script_.openFails = true;
  script_.openError = PortError::kPermission;
  EXPECT_EQ(BusOpen(3, 300, 9600), kBusOpenFailed);
  EXPECT_EQ(clock_.Sleeps(), (std::vector<int>{300}));
  EXPECT_EQ(TheBusLink().LastOpenError(), PortError::kPermission);
}

TEST_F(BusLinkTest, RefusedSettingsFailAndLeaveThePortForTheCallerToClose) {
  for (bool* failure : {&script_.lineSettingsFail, &script_.dtrFails}) {
    *failure = true;
    clock_.ClearSleeps();
    EXPECT_EQ(BusOpen(3, 500, 9600), kBusOpenFailed);
    EXPECT_EQ(clock_.Sleeps(), (std::vector<int>{500}));
    EXPECT_TRUE(TheBusLink().IsOpen());
    EXPECT_EQ(BusClose(), kBusOk);
    *failure = false;
  }
  script_.timeoutsFail = true;
  clock_.ClearSleeps();
  EXPECT_EQ(BusOpen(3, 500, 9600), kBusOpenFailed);
  EXPECT_EQ(clock_.Sleeps(), (std::vector<int>{500}));
}

TEST_F(BusLinkTest, CloseReportsAFailedCloseButCountsTheLinkClosed) {
  EXPECT_EQ(BusClose(), kBusOk);
  OpenLink();
  script_.closeFails = true;
  EXPECT_EQ(BusClose(), kBusOpenFailed);
  EXPECT_FALSE(TheBusLink().IsOpen());
  EXPECT_EQ(BusClose(), kBusOk);
}

TEST_F(BusLinkTest, ExampleRequestFramesGoOutByteForByte) {
  OpenLink();
  script_.reply = WithCrc({0xFA, 0x30, 12, 1, 5, 12, 0, 0});
  DeviceIdentity identity;
  EXPECT_EQ(Identify(250, identity), kBusOk);
  float value = 0;
  ReadCoefficient(250, 72, value);
  std::uint8_t reported = 0;
  SetBusAddress(250, 0, reported);
  std::int32_t serial = 0;
  ReadSerialNumber(250, serial);
  WriteCoefficient(250, 72, 2.5f);

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
  ASSERT_EQ(ReadCoefficient(250, 72, value), kBusOk);
  EXPECT_EQ(value, 10.0f);
  script_.reply = WithCrc({0xFA, 0x1E, 0xBF, 0x80, 0x00, 0x00});
  ASSERT_EQ(ReadCoefficient(250, 72, value), kBusOk);
  EXPECT_EQ(value, -1.0f);

  std::int32_t serial = 0;
  script_.reply = WithCrc({0xFA, 0x45, 0x00, 0x01, 0xE2, 0x40});
  ASSERT_EQ(ReadSerialNumber(250, serial), kBusOk);
  EXPECT_EQ(serial, 123456);

  float channel = 0;
  std::uint8_t status = 0;
  script_.reply = WithCrc({0xFA, 0x49, 0x40, 0x20, 0x00, 0x00, 0x07});
  ASSERT_EQ(ReadChannel(250, 2, channel, status), kBusOk);
  EXPECT_EQ(channel, 2.5f);
  EXPECT_EQ(status, 7);
}

TEST_F(BusLinkTest, FailedCommandLeavesItsOutArgumentsUntouched) {
  OpenLink();
  script_.reply = {};
  float value = 7.5f;
  EXPECT_EQ(ReadCoefficient(250, 72, value), kBusNoAnswer);
  EXPECT_EQ(value, 7.5f);
  ParameterBytes d{1, 2, 3, 4};
  script_.reply = WithCrc({0xFA, 0x6A + 0x80, 0x02});
  EXPECT_EQ(ReadParameter(250, 9, d), kBusExceptionAddress);
  EXPECT_EQ(d, (ParameterBytes{1, 2, 3, 4}));
}

// Every row of the result-code table, with the waits each one costs.
struct ResultRow {
  const char* name;
  void (*arrange)(PortScript&);
  BusResult expected;
  std::vector<int> waits;  // after the 1 ms pause before each request
};

class ResultCodeTest : public BusLinkTest, public ::testing::WithParamInterface<ResultRow> {};

TEST_P(ResultCodeTest, ExchangeGivesTheResultAndWaits) {
  OpenLink();
  GetParam().arrange(script_);
  std::array<std::uint8_t, 16> buffer{0xFA, 0x1E, 72};
  EXPECT_EQ(BusTransfer(buffer, 3, 6), GetParam().expected);
  EXPECT_EQ(clock_.Sleeps(), GetParam().waits);
}

INSTANTIATE_TEST_SUITE_P(
    AllRows, ResultCodeTest,
    ::testing::Values(
        ResultRow{"success",
                  [](PortScript& s) {
                    s.reply = WithCrc({0xFA, 0x1E, 1, 2, 3, 4});
                  },
                  kBusOk,
                  {1}},
        ResultRow{
            "purge_fails", [](PortScript& s) { s.purgeFails = true; }, kBusNotPrepared, {500}},
        ResultRow{
            "short_write", [](PortScript& s) { s.writeResult = 3; }, kBusWriteFailed, {1, 500}},
        ResultRow{
            "read_fails", [](PortScript& s) { s.readFails = true; }, kBusReadFailed, {1, 500}},
        ResultRow{"only_the_echo", [](PortScript& s) { s.reply = {}; }, kBusNoAnswer, {1}},
        ResultRow{"nothing_at_all",
                  [](PortScript& s) {
                    s.echo = false;
                    s.reply = {};
                  },
                  kBusNoAnswer,
                  {1}},
        ResultRow{"four_bytes",
                  [](PortScript& s) {
                    s.reply = {0xFA, 0x1E, 0x00, 0x00};
                  },
                  kBusBadReply,
                  {1}},
        ResultRow{"wrong_crc_byte",
                  [](PortScript& s) {
                    s.reply = WithCrc({0xFA, 0x1E, 1, 2, 3, 4});
                    s.reply.back() ^= 0x01;
                  },
                  kBusBadReply,
                  {1}},
        ResultRow{"exception_2",
                  [](PortScript& s) {
                    s.reply = WithCrc({0xFA, 0x9E, 2});
                  },
                  kBusExceptionAddress,
                  {1}},
        ResultRow{"exception_32",
                  [](PortScript& s) {
                    s.reply = WithCrc({0xFA, 0x9E, 32});
                  },
                  kBusExceptionDevice,
                  {1}},
        ResultRow{"unknown_exception_7",
                  [](PortScript& s) {
                    s.reply = WithCrc({0xFA, 0x9E, 7});
                  },
                  kBusBadReply,
                  {1}},
        ResultRow{"five_bytes_not_an_exception",
                  [](PortScript& s) {
                    s.reply = WithCrc({0xFA, 0x1E, 2});
                  },
                  kBusOk,
                  {1}},
        ResultRow{"garbage_only_after_echo",
                  [](PortScript& s) { s.reply = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55}; },
                  kBusBadReply,
                  {1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BusLinkTest, BroadcastIsWrittenThenWaitsAndReadsNothing) {
  OpenLink();
  std::array<std::uint8_t, 16> buffer{0x00, 0x30};
  EXPECT_EQ(BusTransfer(buffer, 2, 8), kBusBroadcastSent);
  EXPECT_EQ(script_.written.size(), 1u);
  EXPECT_EQ(script_.reads, 0);
  EXPECT_EQ(clock_.Sleeps(), (std::vector<int>{1, 500}));
}

TEST_F(BusLinkTest, ExchangeOnAClosedLinkIsNotPrepared) {
  std::array<std::uint8_t, 16> buffer{0xFA, 0x30};
  EXPECT_EQ(BusTransfer(buffer, 2, 8), kBusNotPrepared);
}

TEST_F(BusLinkTest, ARequestThatDoesNotFitItsBufferIsRefusedUnsent) {
  OpenLink();
  std::array<std::uint8_t, 8> buffer{0xFA, 0x30};
  EXPECT_EQ(BusTransfer(buffer, 2, 8), kBusWriteFailed);
  EXPECT_TRUE(script_.written.empty());
}

TEST_F(BusLinkTest, AnOverlongReplyIsCutAtTheBuffersExpectedLength) {
  OpenLink();
  Bytes longReply = WithCrc({0xFA, 0x1E, 1, 2, 3, 4});
  longReply.insert(longReply.end(), 64, 0xEE);
  script_.reply = longReply;
  std::array<std::uint8_t, 14> buffer{0xFA, 0x1E, 72};
  EXPECT_EQ(BusTransfer(buffer, 3, 6), kBusOk);
}

}  // namespace
}  // namespace tarnwick
