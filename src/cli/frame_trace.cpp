#include "cli/frame_trace.h"

#include <iostream>

#include "bus/bus_log.h"

namespace tarnwick::cli {
namespace {

bool traceEnabled = false;
SentFrameWatcher sentWatcher;

void Install() {
  if (!traceEnabled && !sentWatcher) {
    SetBusFrameLogger(nullptr);
    return;
  }
  SetBusFrameLogger([](FrameDirection direction, std::span<const std::uint8_t> bytes) {
    if (traceEnabled) {
      std::cerr << (direction == FrameDirection::kSent ? "> " : "< ") << HexBytes(bytes) << '\n';
    }
    if (sentWatcher && direction == FrameDirection::kSent) sentWatcher(bytes);
  });
}

}  // namespace

void EnableFrameTrace() {
  traceEnabled = true;
  Install();
}

void WatchSentFrames(SentFrameWatcher watcher) {
  sentWatcher = std::move(watcher);
  Install();
}

}  // namespace tarnwick::cli
