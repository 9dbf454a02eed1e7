#include "sim/request_parser.h"

#include <gtest/gtest.h>

#include "bus/device_commands.h"
#include "sim/sim_frame.h"

namespace tarnwick {
namespace {

using std::chrono::microseconds;
using Frames = std::vector<RequestFrame>;

// Feeds bytes 1 µs apart, starting at `start`, and collects the frames found.
Frames Feed(RequestParser& parser, const std::vector<std::vector<std::uint8_t>>& pieces,
            microseconds start = microseconds{0}) {
  Frames frames;
  microseconds at = start;
  for (const auto& piece : pieces) {
    for (const std::uint8_t byte : piece) {
      if (auto frame = parser.Push(byte, at)) frames.push_back(*frame);
      at += microseconds{1};
    }
  }
  return frames;
}

const RequestFrame kIdentify{250, 48, {}};
const RequestFrame kWithCode{250, 48, {kIdentifyCode[0], kIdentifyCode[1]}};
const RequestFrame kWrite{3, 31, {72, 0x40, 0x20, 0x00, 0x00}};
const RequestFrame kUnknown{1, 0x05, {1, 2}};

TEST(RequestParser, FramesByLengthAndTellsTheIdentifyFormsAndUnknownFunctionsApartByCrc) {
  RequestParser parser;
  EXPECT_EQ(Feed(parser, {EncodeFrame(kWrite), EncodeFrame(kIdentify), EncodeFrame(kWithCode),
                          EncodeFrame(kUnknown)}),
            (Frames{kWrite, kIdentify, kWithCode, kUnknown}));
}

TEST(RequestParser, ResynchronisesAfterGarbage) {
  const std::vector<std::vector<std::uint8_t>> garbage{
      {0x55},
      {0x01, 0xEE},
      {0x01, 30, 72, 0x00, 0x00},  // a known function with a wrong CRC
      {0xFA, 0x1E, 0x48},          // a cut frame
      std::vector<std::uint8_t>(20, 0x00),
  };
  for (const auto& bytes : garbage) {
    SCOPED_TRACE(::testing::PrintToString(bytes));
    RequestParser parser;
    EXPECT_EQ(Feed(parser, {bytes, EncodeFrame(kWrite)}), Frames{kWrite});
    EXPECT_EQ(Feed(parser, {EncodeFrame(kIdentify)}), Frames{kIdentify});
  }
}

TEST(RequestParser, APauseDropsAPartialFrame) {
  RequestParser parser;
  const auto frame = EncodeFrame(kWrite);
  EXPECT_TRUE(Feed(parser, {{frame.begin(), frame.begin() + 4}}).empty());
  EXPECT_EQ(Feed(parser, {frame}, microseconds{100000}), Frames{kWrite});
}

}  // namespace
}  // namespace tarnwick
