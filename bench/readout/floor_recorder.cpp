#include "floor_recorder.h"

namespace tarnwick::bench {
namespace {

constexpr int kBitsPerByte = 10;  // start, 8 data, stop

}  // namespace

FloorRecorder::FloorRecorder(int baud, std::chrono::microseconds turnaround)
    : byteTime_(kBitsPerByte * 1000.0 / baud), turnaround_(turnaround) {}

BusFrameLogger FloorRecorder::FrameLogger() {
  return [this](FrameDirection direction, std::span<const std::uint8_t> bytes) {
    OnFrame(direction, bytes);
  };
}

void FloorRecorder::Sleep(int milliseconds) {
  waitMs_ += milliseconds;
  steady_.Sleep(milliseconds);
}

void FloorRecorder::Reset() {
  waitMs_ = 0;
  bytesOnWire_ = 0;
  exchanges_ = 0;
  unanswered_ = 0;
  awaitingReply_ = false;
}

Millis FloorRecorder::wire() const { return byteTime_ * static_cast<double>(bytesOnWire_); }

void FloorRecorder::OnFrame(FrameDirection direction, std::span<const std::uint8_t> bytes) {
  if (direction == FrameDirection::kSent) {
    // The previous request was never followed by a block read back.
    if (awaitingReply_) ++unanswered_;
    lastSent_ = bytes.size();
    awaitingReply_ = true;
    return;
  }
  if (!awaitingReply_) return;
  awaitingReply_ = false;
  // The link reads the echo and the reply as one block.
  if (bytes.size() <= lastSent_) {
    ++unanswered_;
    return;
  }
  bytesOnWire_ += static_cast<long long>(bytes.size());
  ++exchanges_;
}

}  // namespace tarnwick::bench
