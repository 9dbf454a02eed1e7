#include "bus/bus_crc.h"

namespace tarnwick {

std::uint16_t BusCrc16(const std::uint8_t* bytes, int start, int count) {
  std::uint16_t crc = 0xFFFF;
  for (int i = 0; i < count; ++i) {
    crc ^= bytes[start + i];
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001)
                      : static_cast<std::uint16_t>(crc >> 1);
    }
  }
  return crc;
}

}  // namespace tarnwick
