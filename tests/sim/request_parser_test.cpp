#include "sim/request_parser.h"

#include <gtest/gtest.h>

#include "bus/commands.h"
#include "sim/sim_frame.h"

namespace tarnwick {
namespace {

using std::chrono::microseconds;

// Feeds bytes 1 µs apart and collects the frames found.
std::vector<RequestFrame> Feed(RequestParser& parser, const std::vector<std::uint8_t>& bytes,
                               microseconds start = microseconds{0}) {
  std::vector<RequestFrame> frames;
  microseconds at = start;
  for (const std::uint8_t byte : bytes) {
    if (auto frame = parser.Push(byte, at)) frames.push_back(*frame);
    at += microseconds{1};
  }
  return frames;
}

std::vector<std::uint8_t> Concat(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const RequestFrame kIdentify{250, 48, {}};
const RequestFrame kWithCode{250, 48, {kIdentifyCode[0], kIdentifyCode[1]}};
const RequestFrame kWrite{3, 31, {72, 0x40, 0x20, 0x00, 0x00}};

TEST(RequestParser, FramesKnownFunctionsByLength) {
  RequestParser parser;
  EXPECT_EQ(Feed(parser, EncodeFrame(kWrite)), std::vector<RequestFrame>{kWrite});
  EXPECT_EQ(Feed(parser, EncodeFrame(kIdentify)), std::vector<RequestFrame>{kIdentify});
}

TEST(RequestParser, TellsTheTwoIdentifyFormsApartByCrc) {
  RequestParser parser;
  EXPECT_EQ(Feed(parser, EncodeFrame(kWithCode)), std::vector<RequestFrame>{kWithCode});
  EXPECT_EQ(Feed(parser, Concat(EncodeFrame(kIdentify), EncodeFrame(kWithCode))),
            (std::vector<RequestFrame>{kIdentify, kWithCode}));
}

TEST(RequestParser, UnknownFunctionFramedByCrc) {
  RequestParser parser;
  const RequestFrame unknown{1, 0x05, {1, 2}};
  EXPECT_EQ(Feed(parser, EncodeFrame(unknown)), std::vector<RequestFrame>{unknown});
}

struct GarbageCase {
  const char* name;
  std::vector<std::uint8_t> garbage;
};

class RequestParserGarbage : public ::testing::TestWithParam<GarbageCase> {};

TEST_P(RequestParserGarbage, ResynchronisesOnTheNextFrame) {
  RequestParser parser;
  EXPECT_EQ(Feed(parser, Concat(GetParam().garbage, EncodeFrame(kWrite))),
            std::vector<RequestFrame>{kWrite});
  EXPECT_EQ(Feed(parser, EncodeFrame(kIdentify)), std::vector<RequestFrame>{kIdentify});
}

INSTANTIATE_TEST_SUITE_P(
    Garbage, RequestParserGarbage,
    ::testing::Values(GarbageCase{"OneByte", {0x55}}, GarbageCase{"UnknownFunction", {0x01, 0xEE}},
                      GarbageCase{"KnownFunctionBadCrc", {0x01, 30, 72, 0x00, 0x00}},
                      GarbageCase{"CutFrame", {0xFA, 0x1E, 0x48}},
                      GarbageCase{"Zeros", std::vector<std::uint8_t>(20, 0x00)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RequestParser, PauseDropsAPartialFrame) {
  RequestParser parser;
  const auto frame = EncodeFrame(kWrite);
  EXPECT_TRUE(Feed(parser, {frame.begin(), frame.begin() + 4}).empty());
  EXPECT_EQ(Feed(parser, frame, microseconds{100000}), std::vector<RequestFrame>{kWrite});
}

TEST(RequestParser, CorruptedFrameIsNotAnswered) {
  RequestParser parser;
  auto frame = EncodeFrame(kWrite);
  frame.back() ^= 0x01;
  EXPECT_TRUE(Feed(parser, frame).empty());
}

}  // namespace
}  // namespace tarnwick
