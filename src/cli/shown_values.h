#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "device/pressure_units.h"

namespace tarnwick::cli {

// A freshly started console shows pressures with no decimals until a range
// tells it better; the level device never does, so it keeps these.
inline constexpr std::uint8_t kStartPressureDecimals = 0;

// The decimals the console would show pressures of this device with, in `unit`.
std::uint8_t ShownDecimals(DeviceFamily family, float rangeMaxBar, PressureUnit unit);

// A pressure in bar as the console writes it into a switch-point edit: in
// `unit`, fixed notation with `decimals` decimals, full stop as separator.
std::string ShownPressure(float bar, PressureUnit unit, int decimals);

// The English name of the level device's unit index (litre, hectolitre, US
// gallon, percent of the volume); empty for an index without one.
std::optional<std::string> LevelUnitText(int levelUnitIndex);

}  // namespace tarnwick::cli
