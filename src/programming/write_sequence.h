#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "bus/device_commands.h"

namespace tarnwick {

// Writes of the programming engines that go out in a fixed order and stop at
// the first failure, whose result they return.

template <typename Value, typename Write>
BusResult WriteInOrder(BusLink& link, std::uint8_t address,
                       std::initializer_list<std::pair<std::uint8_t, Value>> items, Write write) {
  for (const auto& [number, value] : items) {
    const BusResult result = write(link, address, number, value);
    if (result != BusResult::kOk) return result;
  }
  return BusResult::kOk;
}

inline BusResult WriteCoefficients(
    BusLink& link, std::uint8_t address,
    std::initializer_list<std::pair<std::uint8_t, float>> coefficients) {
  return WriteInOrder(link, address, coefficients, WriteCoefficient);
}

inline BusResult WriteParameters(
    BusLink& link, std::uint8_t address,
    std::initializer_list<std::pair<std::uint8_t, ParameterBytes>> blocks) {
  return WriteInOrder(link, address, blocks, WriteParameter);
}

}  // namespace tarnwick
