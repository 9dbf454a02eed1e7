#include "cli/frame_trace.h"

#include <iostream>

namespace tarnwick::cli {

BusFrameLogger StderrFrameTrace() {
  return [](FrameDirection direction, std::span<const std::uint8_t> bytes) {
    std::cerr << (direction == FrameDirection::kSent ? "> " : "< ") << HexBytes(bytes) << '\n';
  };
}

}  // namespace tarnwick::cli
