#pragma once

#include <bit>
#include <cstdint>

namespace tarnwick {

// Bus payloads are big-endian: most significant byte first.
inline void PutU32BE(std::uint8_t* out, std::uint32_t v) {
  out[0] = static_cast<std::uint8_t>(v >> 24);
  out[1] = static_cast<std::uint8_t>(v >> 16);
  out[2] = static_cast<std::uint8_t>(v >> 8);
  out[3] = static_cast<std::uint8_t>(v);
}

inline std::uint32_t GetU32BE(const std::uint8_t* in) {
  return (std::uint32_t{in[0]} << 24) | (std::uint32_t{in[1]} << 16) | (std::uint32_t{in[2]} << 8) |
         std::uint32_t{in[3]};
}

inline void PutFloatBE(std::uint8_t* out, float v) {
  PutU32BE(out, std::bit_cast<std::uint32_t>(v));
}
inline float GetFloatBE(const std::uint8_t* in) { return std::bit_cast<float>(GetU32BE(in)); }

}  // namespace tarnwick
