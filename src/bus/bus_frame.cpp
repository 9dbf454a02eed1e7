#include "bus/bus_frame.h"

#include "bus/bus_crc.h"

namespace tarnwick {
namespace {

bool CrcMatches(std::span<const std::uint8_t> bytes, int start, int count, int crcAt) {
  const std::uint16_t crc = BusCrc16(bytes.data(), start, count);
  return bytes[crcAt] == (crc >> 8) && bytes[crcAt + 1] == (crc & 0xFF);
}

}  // namespace

void SealRequest(std::span<std::uint8_t> frame, int requestLength) {
  const std::uint16_t crc = BusCrc16(frame.data(), 0, requestLength);
  frame[requestLength] = static_cast<std::uint8_t>(crc >> 8);
  frame[requestLength + 1] = static_cast<std::uint8_t>(crc & 0xFF);
}

BusResult CheckReply(std::span<const std::uint8_t> received, int requestLength, int replyLength) {
  const int n = static_cast<int>(received.size());
  const int reply = ReplyOffset(requestLength);
  if (n <= reply) return BusResult::kNoAnswer;
  if (n < reply + kExceptionReplyLength) return BusResult::kBadReply;
  if (!CrcMatches(received, reply, n - reply - kCrcLength, n - kCrcLength)) {
    return BusResult::kBadReply;
  }
  const bool exception =
      n == reply + kExceptionReplyLength &&
      int{received[reply + kFunctionOffset]} == int{received[kFunctionOffset]} + kExceptionFlag;
  if (exception) {
    const auto code = static_cast<BusResult>(received[reply + kDataOffset]);
    return IsDeviceException(code) ? code : BusResult::kBadReply;
  }
  // A reply without all the fields the command decodes would hand its CRC and
  // stale bytes to the caller as data, and a read-modify-write would store them.
  if (n < ExchangeLength(requestLength, replyLength)) return BusResult::kBadReply;
  return BusResult::kOk;
}

}  // namespace tarnwick
