#include "sim/request_parser.h"

#include <algorithm>
#include <span>

#include "bus/protocol_numbers.h"

namespace tarnwick {
namespace {

// A pause longer than this ends whatever partial frame there was; at the
// slowest rate (1200 baud) bytes of one frame are 8.3 ms apart.
constexpr std::chrono::microseconds kIdleGap{20000};
constexpr std::size_t kMaxUnknownFrame = 16;
constexpr std::size_t kMaxBuffered = 64;
constexpr std::size_t kMinFrame = 4;

enum class Verdict { kNeedMore, kInvalid, kComplete };

struct Evaluation {
  Verdict verdict = Verdict::kNeedMore;
  std::size_t length = 0;
};

// The request lengths (CRC included) a frame with this function may have.
std::vector<std::size_t> KnownFrameLengths(std::uint8_t function) {
  std::vector<std::size_t> lengths;
  for (int requestLength = 2; requestLength <= 8; ++requestLength) {
    const auto found = CommandLengths(function, requestLength);
    if (found && found->request == requestLength) lengths.push_back(requestLength + 2);
  }
  return lengths;
}

Evaluation EvaluateKnown(std::span<const std::uint8_t> bytes,
                         const std::vector<std::size_t>& lengths) {
  bool longerPossible = false;
  for (const std::size_t length : lengths) {
    if (length > bytes.size()) {
      longerPossible = true;
    } else if (FrameCrcValid(bytes.first(length))) {
      return {Verdict::kComplete, length};
    }
  }
  return {longerPossible ? Verdict::kNeedMore : Verdict::kInvalid, 0};
}

Evaluation EvaluateUnknown(std::span<const std::uint8_t> bytes) {
  const std::size_t last = std::min(bytes.size(), kMaxUnknownFrame);
  for (std::size_t length = kMinFrame; length <= last; ++length) {
    if (FrameCrcValid(bytes.first(length))) return {Verdict::kComplete, length};
  }
  return {bytes.size() < kMaxUnknownFrame ? Verdict::kNeedMore : Verdict::kInvalid, 0};
}

Evaluation Evaluate(std::span<const std::uint8_t> bytes, bool knownOnly) {
  if (bytes.size() < 2) return {};
  const auto lengths = KnownFrameLengths(bytes[1]);
  if (!lengths.empty()) return EvaluateKnown(bytes, lengths);
  if (knownOnly) return {Verdict::kInvalid, 0};
  return EvaluateUnknown(bytes);
}

RequestFrame ToFrame(std::span<const std::uint8_t> bytes) {
  return {bytes[0], bytes[1], {bytes.begin() + 2, bytes.end() - 2}};
}

}  // namespace

std::optional<RequestFrame> RequestParser::Push(std::uint8_t byte, std::chrono::microseconds at) {
  if (lastByteAt_ && at - *lastByteAt_ > kIdleGap) buffer_.clear();
  lastByteAt_ = at;
  buffer_.push_back(byte);
  if (buffer_.size() > kMaxBuffered) buffer_.erase(buffer_.begin());

  while (!buffer_.empty()) {
    const std::span<const std::uint8_t> all(buffer_);
    const Evaluation head = Evaluate(all, false);
    if (head.verdict == Verdict::kComplete) {
      RequestFrame frame = ToFrame(all.first(head.length));
      buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<long>(head.length));
      return frame;
    }
    if (head.verdict == Verdict::kInvalid) {
      buffer_.erase(buffer_.begin());
      continue;
    }
    // The head may be garbage that merely looks unfinished: a known request
    // ending here behind it wins.
    for (std::size_t start = 1; start + kMinFrame <= buffer_.size(); ++start) {
      const auto rest = all.subspan(start);
      const Evaluation later = Evaluate(rest, true);
      if (later.verdict == Verdict::kComplete && later.length == rest.size()) {
        RequestFrame frame = ToFrame(rest);
        buffer_.clear();
        return frame;
      }
    }
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace tarnwick
