#pragma once

#include <chrono>
#include <cstdint>
#include <span>

#include "bus/bus_log.h"
#include "bus/clock.h"

namespace tarnwick::bench {

using Millis = std::chrono::duration<double, std::milli>;

// What an operation cannot be faster than on a real line: every wait it asks
// of the clock, and every exchange's bytes on the wire plus the device's
// turnaround. The request's echo comes back while the request is still being
// sent, so an exchange costs the bytes read back (echo and reply) and the
// turnaround between request and reply. Attach it as the link's clock and
// its FrameLogger() as the link's frame logger; it sleeps for real.
class FloorRecorder final : public Clock {
 public:
  FloorRecorder(int baud, std::chrono::microseconds turnaround);
  FloorRecorder(const FloorRecorder&) = delete;
  FloorRecorder& operator=(const FloorRecorder&) = delete;
  ~FloorRecorder() override = default;

  std::chrono::microseconds Now() const override { return steady_.Now(); }
  void Sleep(int milliseconds) override;

  void Reset();
  // Counts the frames of the link it is given to.
  BusFrameLogger FrameLogger();

  Millis waits() const { return Millis(waitMs_); }
  Millis wire() const;
  Millis turnarounds() const { return turnaround_ * exchanges_; }
  Millis floor() const { return waits() + wire() + turnarounds(); }
  int exchanges() const { return exchanges_; }
  // Requests that got no reply: their time-out is no part of any floor.
  int unanswered() const { return unanswered_ + (awaitingReply_ ? 1 : 0); }

 private:
  void OnFrame(FrameDirection direction, std::span<const std::uint8_t> bytes);

  SteadyClock steady_;
  Millis byteTime_;
  Millis turnaround_;
  long long waitMs_ = 0;
  long long bytesOnWire_ = 0;
  int exchanges_ = 0;
  int unanswered_ = 0;
  std::size_t lastSent_ = 0;
  bool awaitingReply_ = false;
};

}  // namespace tarnwick::bench
