#pragma once

#include <cstdint>

namespace tarnwick {

// The device families the console serves, by the numbers the protocol and the
// family table give them.
enum class DeviceFamily : std::uint8_t {
  kNone = 0,
  kPressureSwitch = 1,  // programmer QM-40 RT with an LX-60 MB
  kSwitchDevice = 2,    // QM-4 KX
  kLevelDevice = 4,     // Morvik
};

// The family's number, as the command line prints it and files store it.
constexpr int FamilyNumber(DeviceFamily family) { return static_cast<int>(family); }

}  // namespace tarnwick
