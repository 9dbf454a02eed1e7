#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

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

// What an arrival or removal of its device type tells ("serial/parallel port
// device connected"); empty for a type the platform does not define.
std::string_view DeviceEventText(const DeviceEvent& event);

// Windows' device-change message: its event code (wParam) and the device type
// in its broadcast header. Only a device's arrival and its completed removal
// are events; every other code is none.
std::optional<DeviceEvent> DeviceEventOfMessage(std::uintptr_t eventCode, std::uint32_t deviceType);

}  // namespace tarnwick
