#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace tarnwick {

enum class FrameDirection { kSent, kReceived };

// Receives every frame a link writes and every block it reads (BusLink's
// SetFrameLogger); the console routes it to its "tarnwick.bus" category, the
// command line's --trace to stderr.
using BusFrameLogger = std::function<void(FrameDirection, std::span<const std::uint8_t>)>;

// "FA 30 04 43"
std::string HexBytes(std::span<const std::uint8_t> bytes);

}  // namespace tarnwick
