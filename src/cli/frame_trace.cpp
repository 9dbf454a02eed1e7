#include "cli/frame_trace.h"

#include <iostream>

#include "bus/bus_log.h"

namespace tarnwick::cli {

void EnableFrameTrace() {
  SetBusFrameLogger([](FrameDirection direction, std::span<const std::uint8_t> bytes) {
    std::cerr << (direction == FrameDirection::kSent ? "> " : "< ") << HexBytes(bytes) << '\n';
  });
}

}  // namespace tarnwick::cli
