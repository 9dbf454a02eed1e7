#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <span>

#include "sim/sim_bus.h"

namespace tarnwick {

inline constexpr std::chrono::microseconds kDefaultTurnaround{2000};

// How the line paces bytes: 10 bits a byte at the baud set, plus the
// stations' turnaround before a reply, or nothing at all.
struct LineTiming {
  bool instant = false;
  std::chrono::microseconds turnaround = kDefaultTurnaround;
};

// One byte on the console's receive line and when its stop bit ends.
struct TimedByte {
  std::chrono::nanoseconds arrival{0};
  std::uint8_t value = 0;
};

// The wire between the console and a bus. Each byte the console sends is
// echoed when it has left the wire (the programming adapter's echo); a reply
// follows the byte that completed its request after the turnaround. Echo and
// reply share the receive line, so they never overlap.
class SimLine {
 public:
  SimLine(SimBus& bus, LineTiming timing);

  void SetBaud(std::uint32_t baud);
  void SetTiming(const LineTiming& timing) { timing_ = timing; }
  std::chrono::nanoseconds ByteTime() const;

  // The console's bytes start to leave at `now` (or when the wire is free).
  void Send(std::span<const std::uint8_t> bytes, std::chrono::nanoseconds now);

  // What is on its way to the console, in arrival order.
  std::deque<TimedByte>& Incoming() { return incoming_; }
  // Drops everything not yet taken, a late reply included.
  void Purge() { incoming_.clear(); }

 private:
  SimBus& bus_;
  LineTiming timing_;
  std::uint32_t baud_ = 9600;
  std::chrono::nanoseconds transmitFree_{0};
  std::chrono::nanoseconds receiveFree_{0};
  std::deque<TimedByte> incoming_;
};

}  // namespace tarnwick
