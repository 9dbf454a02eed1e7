#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace tarnwick {

enum class FrameDirection { kSent, kReceived };

// Receives every frame the link writes and every block it reads. Silent unless
// a logger is installed; the console routes it to its "tarnwick.bus" category.
using BusFrameLogger = std::function<void(FrameDirection, std::span<const std::uint8_t>)>;

void SetBusFrameLogger(BusFrameLogger logger);
void LogBusFrame(FrameDirection direction, std::span<const std::uint8_t> bytes);

// "FA 30 04 43"
std::string HexBytes(std::span<const std::uint8_t> bytes);

}  // namespace tarnwick
