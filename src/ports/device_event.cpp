#include "ports/device_event.h"

#include <array>

namespace tarnwick {
namespace {

constexpr std::uintptr_t kDeviceArrival = 0x8000;         // DBT_DEVICEARRIVAL
constexpr std::uintptr_t kDeviceRemoveComplete = 0x8004;  // DBT_DEVICEREMOVECOMPLETE

struct EventTexts {
  std::string_view arrival;
  std::string_view removal;
};

// By device type: OEM, device node, volume, port, network, device interface,
// handle.
constexpr std::array<EventTexts, 7> kEventTexts{{
    {"OEM-Device connected", "OEM-Device disconnected"},
    {"hardware node created", "hardware node removed"},
    {"new media detected", "media removed"},
    {"serial/parallel port device connected", "serial/parallel port device disconnected"},
    {"network detected", "network not available"},
    {"hardware interface detected", "hardware interface not available"},
    {"file system recognized", "file system removed"},
}};

}  // namespace

std::string_view DeviceEventText(const DeviceEvent& event) {
  if (event.deviceType < 0 || static_cast<std::size_t>(event.deviceType) >= kEventTexts.size()) {
    return {};
  }
  const EventTexts& texts = kEventTexts[static_cast<std::size_t>(event.deviceType)];
  return event.change == DeviceChange::kArrival ? texts.arrival : texts.removal;
}

std::optional<DeviceEvent> DeviceEventOfMessage(std::uintptr_t eventCode,
                                                std::uint32_t deviceType) {
  const auto type = static_cast<int>(deviceType);
  if (eventCode == kDeviceArrival) return DeviceEvent{DeviceChange::kArrival, type};
  if (eventCode == kDeviceRemoveComplete) return DeviceEvent{DeviceChange::kRemoval, type};
  return std::nullopt;
}

}  // namespace tarnwick
