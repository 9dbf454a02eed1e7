#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tarnwick {

// One request as the stations see it: the bytes between the function number
// and the CRC are its data.
struct RequestFrame {
  std::uint8_t address = 0;
  std::uint8_t function = 0;
  std::vector<std::uint8_t> data;

  bool operator==(const RequestFrame&) const = default;
};

// A whole frame: address, function, data and the CRC, high byte first.
std::vector<std::uint8_t> EncodeFrame(std::uint8_t address, std::uint8_t function,
                                      std::span<const std::uint8_t> data);
std::vector<std::uint8_t> EncodeFrame(const RequestFrame& frame);

// Address, function + 128, code, CRC.
std::vector<std::uint8_t> EncodeExceptionFrame(std::uint8_t address, std::uint8_t function,
                                               std::uint8_t code);

// True when the last two bytes are the CRC of the ones before them.
bool FrameCrcValid(std::span<const std::uint8_t> frame);

}  // namespace tarnwick
