#pragma once

#include <cstdint>

namespace tarnwick {

// CRC-16 with the reflected polynomial 0xA001 and start value 0xFFFF (the
// Modbus computation). Frames carry it high byte first. A count of 0 or less
// gives 0xFFFF.
std::uint16_t BusCrc16(const std::uint8_t* bytes, int start, int count);

}  // namespace tarnwick
