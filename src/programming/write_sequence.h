#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "bus/commands.h"

namespace tarnwick {

// Writes of the programming engines that go out in a fixed order and stop at
// the first failure, whose result they return.

inline BusResult WriteCoefficients(
    BusLink& link, std::uint8_t address,
    std::initializer_list<std::pair<std::uint8_t, float>> coefficients) {
  for (const auto& [number, value] : coefficients) {
    const BusResult result = WriteCoefficient(link, address, number, value);
    if (result != BusResult::kOk) return result;
  }
  return BusResult::kOk;
}

inline BusResult WriteParameters(
    BusLink& link, std::uint8_t address,
    std::initializer_list<std::pair<std::uint8_t, ParameterBytes>> blocks) {
  for (const auto& [index, bytes] : blocks) {
    const BusResult result = WriteParameter(link, address, index, bytes);
    if (result != BusResult::kOk) return result;
  }
  return BusResult::kOk;
}

}  // namespace tarnwick
