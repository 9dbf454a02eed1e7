#pragma once

#include <cstdint>

namespace tarnwick {

// One switch output as the device evaluates it: function code (0 Off,
// 1 Hysteresis NO, 2 Hysteresis NC, 3 Window NO, 4 Window NC) and points.
struct SwitchSetting {
  std::uint8_t functionCode = 0;
  float high = 0.0f;
  float low = 0.0f;
  bool present = true;  // an output that does not exist stays open
};

// Whether the contact is closed for a measured value. A hysteresis keeps its
// previous state between the two points, so the last state is passed in.
bool SwitchContactClosed(const SwitchSetting& setting, float value, bool wasClosed);

// The switch state byte: bit 0 output 1 closed, bit 1 output 2 closed.
std::uint8_t SwitchStateByte(const SwitchSetting& first, const SwitchSetting& second, float value,
                             std::uint8_t previous);

// The function code that a family-2 mode byte (register 18) stands for.
std::uint8_t FunctionCodeOfModeByte(std::uint8_t mode);

}  // namespace tarnwick
