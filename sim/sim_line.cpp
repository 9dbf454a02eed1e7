#include "sim/sim_line.h"

#include <algorithm>

namespace tarnwick {
namespace {

constexpr std::int64_t kBitsPerByte = 10;  // start, 8 data, stop

}  // namespace

SimLine::SimLine(SimBus& bus, LineTiming timing) : bus_(bus), timing_(timing) {}

void SimLine::SetBaud(std::uint32_t baud) {
  if (baud > 0) baud_ = baud;
}

std::chrono::nanoseconds SimLine::ByteTime() const {
  if (timing_.instant) return std::chrono::nanoseconds{0};
  return std::chrono::nanoseconds{kBitsPerByte * 1'000'000'000 / baud_};
}

void SimLine::Send(std::span<const std::uint8_t> bytes, std::chrono::nanoseconds now) {
  const std::chrono::nanoseconds byteTime = ByteTime();
  const std::chrono::nanoseconds turnaround =
      timing_.instant ? std::chrono::nanoseconds{0} : timing_.turnaround;
  for (const std::uint8_t byte : bytes) {
    const std::chrono::nanoseconds sent = std::max(now, transmitFree_) + byteTime;
    transmitFree_ = sent;
    // The echo is the sent byte itself, so it arrives as it leaves.
    const std::chrono::nanoseconds echoAt = std::max(sent, receiveFree_);
    incoming_.push_back({echoAt, byte});
    receiveFree_ = echoAt;

    const std::vector<std::uint8_t> reply =
        bus_.Receive(byte, std::chrono::duration_cast<std::chrono::microseconds>(sent));
    std::chrono::nanoseconds at = std::max(sent + turnaround, receiveFree_);
    for (const std::uint8_t replyByte : reply) {
      at += byteTime;
      incoming_.push_back({at, replyByte});
    }
    if (!reply.empty()) receiveFree_ = at;
  }
}

}  // namespace tarnwick
