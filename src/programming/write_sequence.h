#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "bus/commands.h"

namespace tarnwick {

// Writes of the programming engines that go out in a fixed order and stop at
// the first failure, whose result they return.

inline BusResult WriteCoefficients(
    std::uint8_t address, std::initializer_list<std::pair<std::uint8_t, float>> coefficients) {
  for (const auto& [number, value] : coefficients) {
    const BusResult result = WriteCoefficient(address, number, value);
    if (result != kBusOk) return result;
  }
  return kBusOk;
}

inline BusResult WriteParameters(
    std::uint8_t address, std::initializer_list<std::pair<std::uint8_t, ParameterBytes>> blocks) {
  for (const auto& [index, bytes] : blocks) {
    const BusResult result = WriteParameter(address, index, bytes);
    if (result != kBusOk) return result;
  }
  return kBusOk;
}

}  // namespace tarnwick
