#pragma once

namespace tarnwick {

// The platform's type of a device that came or went; only port devices
// (serial and parallel ports) change the list of ports.
inline constexpr int kPortDeviceType = 3;

enum class DeviceChange { kArrival, kRemoval };

// One arrival or removal as the platform announces it.
struct DeviceEvent {
  DeviceChange change = DeviceChange::kArrival;
  int deviceType = kPortDeviceType;

  friend bool operator==(const DeviceEvent&, const DeviceEvent&) = default;
};

}  // namespace tarnwick
