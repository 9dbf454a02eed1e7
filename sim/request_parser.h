#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "sim/sim_frame.h"

namespace tarnwick {

// Finds request frames in the bytes the console sends. Known functions are
// framed by their request length (function 48 by its CRC, as it has two);
// unknown functions by the first CRC that fits. Bytes that cannot start a
// frame are skipped, and a pause on the line starts afresh, so the parser
// resynchronises after garbage.
class RequestParser {
 public:
  // A complete, CRC-valid request when `byte` finished one.
  std::optional<RequestFrame> Push(std::uint8_t byte, std::chrono::microseconds at);
  void Reset() { buffer_.clear(); }

 private:
  std::vector<std::uint8_t> buffer_;
  std::optional<std::chrono::microseconds> lastByteAt_;
};

}  // namespace tarnwick
