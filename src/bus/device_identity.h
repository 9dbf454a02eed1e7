#pragma once

#include <cstdint>

namespace tarnwick {

// The six data bytes of an Identify reply, in reply order.
struct DeviceIdentity {
  std::uint8_t Class = 0;
  std::uint8_t Group = 0;
  std::uint8_t VersionMajor = 0;
  std::uint8_t VersionMinor = 0;
  std::uint8_t Spare1 = 0;
  std::uint8_t Spare2 = 0;

  bool operator==(const DeviceIdentity&) const = default;
};

}  // namespace tarnwick
