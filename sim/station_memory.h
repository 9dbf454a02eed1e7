#pragma once

#include <cstdint>
#include <map>

#include "bus/device_commands.h"

namespace tarnwick {

// The values a device keeps. Only the numbers present in a map exist on the
// device; a request for any other number gets exception 2.
struct StationMemory {
  std::map<std::uint8_t, float> coefficients;
  std::map<std::uint8_t, ParameterBytes> parameters;
  std::map<std::uint8_t, ConfigBytes> registers;
  std::int32_t serialNumber = 0;

  bool operator==(const StationMemory&) const = default;
};

}  // namespace tarnwick
