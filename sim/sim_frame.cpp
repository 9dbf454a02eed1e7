#include "sim/sim_frame.h"

#include "bus/bus_crc.h"
#include "bus/bus_frame.h"
#include "bus/protocol_numbers.h"

namespace tarnwick {
namespace {

void AppendCrc(std::vector<std::uint8_t>& frame) {
  const std::uint16_t crc = BusCrc16(frame.data(), 0, static_cast<int>(frame.size()));
  frame.push_back(static_cast<std::uint8_t>(crc >> 8));
  frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
}

}  // namespace

std::vector<std::uint8_t> EncodeFrame(std::uint8_t address, std::uint8_t function,
                                      std::span<const std::uint8_t> data) {
  // Reserved up front: growing a two-byte vector by insert trips GCC 12's
  // array-bounds check in release builds.
  std::vector<std::uint8_t> frame;
  frame.reserve(data.size() + 4);
  frame.push_back(address);
  frame.push_back(function);
  frame.insert(frame.end(), data.begin(), data.end());
  AppendCrc(frame);
  return frame;
}

std::vector<std::uint8_t> EncodeFrame(const RequestFrame& frame) {
  return EncodeFrame(frame.address, frame.function, frame.data);
}

std::vector<std::uint8_t> EncodeExceptionFrame(std::uint8_t address, std::uint8_t function,
                                               std::uint8_t code) {
  std::vector<std::uint8_t> frame{address, static_cast<std::uint8_t>(function + kExceptionFlag),
                                  code};
  AppendCrc(frame);
  return frame;
}

bool FrameCrcValid(std::span<const std::uint8_t> frame) {
  if (frame.size() < 3) return false;
  const int body = static_cast<int>(frame.size()) - 2;
  const std::uint16_t crc = BusCrc16(frame.data(), 0, body);
  return frame[body] == (crc >> 8) && frame[body + 1] == (crc & 0xFF);
}

}  // namespace tarnwick
