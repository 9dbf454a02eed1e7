// The frame codec against byte vectors worked out by hand from the protocol's
// CRC-16, independent of the code under test.
#include "bus/bus_frame.h"

#include <gtest/gtest.h>

#include <vector>

#include "bus/bus_crc.h"

namespace tarnwick {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Sealed(Bytes request) {
  const int length = static_cast<int>(request.size());
  request.resize(request.size() + kCrcLength);
  SealRequest(request, length);
  return request;
}

TEST(BusCrc16, MatchesTheKnownChecksumAndIgnoresEmptyRanges) {
  const Bytes text{'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  EXPECT_EQ(BusCrc16(text.data(), 0, 9), 0x4B37);
  EXPECT_EQ(BusCrc16(text.data(), 0, 0), 0xFFFF);
  EXPECT_EQ(BusCrc16(text.data(), 0, -3), 0xFFFF);
  EXPECT_EQ(BusCrc16(text.data(), 2, 1), BusCrc16(Bytes{'3'}.data(), 0, 1));
}

TEST(SealRequest, AppendsTheCrcHighByteFirst) {
  EXPECT_EQ(Sealed({0xFA, 0x30}), (Bytes{0xFA, 0x30, 0x04, 0x43}));
  EXPECT_EQ(Sealed({0xFA, 0x1E, 0x48}), (Bytes{0xFA, 0x1E, 0x48, 0x67, 0x58}));
  EXPECT_EQ(Sealed({0xFA, 0x42, 0x00}), (Bytes{0xFA, 0x42, 0x00, 0x51, 0x61}));
  EXPECT_EQ(Sealed({0xFA, 0x45}), (Bytes{0xFA, 0x45, 0xE3, 0x82}));
}

struct ReplyCase {
  const char* name;
  Bytes request;  // sealed, as echoed
  int replyLength;
  Bytes reply;  // as much as arrived
  BusResult expected;
};

class CheckReplyTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(CheckReplyTest, JudgesWhatArrivedBehindTheEcho) {
  const ReplyCase& c = GetParam();
  Bytes received = c.request;
  received.insert(received.end(), c.reply.begin(), c.reply.end());
  EXPECT_EQ(CheckReply(received, static_cast<int>(c.request.size()) - kCrcLength, c.replyLength),
            c.expected);
}

const Bytes kIdentify{0xFA, 0x30, 0x04, 0x43};
const Bytes kReadCoefficient72{0xFA, 0x1E, 0x48, 0x67, 0x58};
// A write of coefficient 72 (2.5): its reply is one byte of data.
const Bytes kWriteCoefficient72{0xFA, 0x1F, 0x48, 0x40, 0x20, 0x00, 0x00, 0x64, 0xB7};

INSTANTIATE_TEST_SUITE_P(
    Replies, CheckReplyTest,
    ::testing::Values(ReplyCase{"OnlyTheEcho", kIdentify, 8, {}, BusResult::kNoAnswer},
                      ReplyCase{"ShorterThanAnExceptionReply",
                                kIdentify,
                                8,
                                {0xFA, 0xB0, 0x02, 0xF0},
                                BusResult::kBadReply},
                      ReplyCase{"ExceptionTwo",
                                kIdentify,
                                8,
                                {0xFA, 0xB0, 0x02, 0xF0, 0xA5},
                                BusResult::kExceptionAddress},
                      ReplyCase{"UnknownExceptionCode",
                                kIdentify,
                                8,
                                {0xFA, 0xB0, 0x07, 0xF3, 0x65},
                                BusResult::kBadReply},
                      ReplyCase{"FullReply",
                                kReadCoefficient72,
                                6,
                                {0xFA, 0x1E, 0x41, 0x20, 0x00, 0x00, 0xB5, 0xA9},
                                BusResult::kOk},
                      ReplyCase{"WrongCrc",
                                kReadCoefficient72,
                                6,
                                {0xFA, 0x1E, 0x41, 0x20, 0x00, 0x00, 0xB5, 0xAA},
                                BusResult::kBadReply},
                      ReplyCase{"OneDataByteShort",
                                kReadCoefficient72,
                                6,
                                {0xFA, 0x1E, 0x41, 0x20, 0x00, 0xE8, 0xB3},
                                BusResult::kBadReply},
                      // Five bytes are the whole reply of a write, whatever its function byte.
                      ReplyCase{"FiveByteReplyOfAWrite",
                                kWriteCoefficient72,
                                3,
                                {0xFA, 0x1F, 0x00, 0xC1, 0x59},
                                BusResult::kOk},
                      ReplyCase{"ForeignFunctionByteOfAWrite",
                                kWriteCoefficient72,
                                3,
                                {0xFA, 0x48, 0x01, 0x31, 0xA6},
                                BusResult::kOk},
                      // Function 72 is not 200 + 128: the sum is not taken modulo 256.
                      ReplyCase{"FunctionAbove127HasNoExceptionReply",
                                Bytes{0xFA, 0xC8, 0x09, 0x37, 0xC6},
                                3,
                                {0xFA, 0x48, 0x01, 0x31, 0xA6},
                                BusResult::kOk},
                      ReplyCase{"ExceptionReplyToARead",
                                kReadCoefficient72,
                                6,
                                {0xFA, 0x9E, 0x03, 0x90, 0x79},
                                BusResult::kExceptionValue}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick
