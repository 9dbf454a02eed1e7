#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "device/device_readout.h"
#include "device/pressure_units.h"

namespace tarnwick {

// The pressures on screen after a change of unit while device data are shown.
struct ShownPressures {
  // SW1 high, SW1 low, SW2 high, SW2 low.
  std::array<std::string, 4> switchPoints;
  ValueRange rangeShown;
  std::uint8_t decimals = 0;
  std::string rangeText;
};

struct UnitChange {
  PressureUnit from = PressureUnit::kBar;
  PressureUnit to = PressureUnit::kBar;
  DeviceFamily family = DeviceFamily::kNone;
  std::uint8_t decimals = 0;  // before the change
  char separator = '.';
};

// The switch points are converted from their texts as shown (already rounded),
// the range afresh from bar. Every text is read before anything is converted,
// so one that is not a number (NumberTextError) leaves all four as they were.
ShownPressures ConvertShownPressures(const std::array<std::string, 4>& switchPointTexts,
                                     const ValueRange& rangeBar, const UnitChange& change);

}  // namespace tarnwick
