#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "device/device_family.h"

namespace tarnwick {

enum class PressureUnit : std::uint8_t { kBar, kPsi, kMpa };

// "bar", "PSI", "MPa": the menu captions, the unit labels and the stored setting.
std::string_view PressureUnitText(PressureUnit unit);
// Exact, case-sensitive match of one of the three texts; anything else is empty
// and the caller picks its fallback.
std::optional<PressureUnit> ParsePressureUnit(std::string_view text);

// Multiplying a value in `from` by this gives it in `to`.
double PressureFactor(PressureUnit from, PressureUnit to);

// Pressures live in 32-bit floats: each conversion multiplies in double and
// stores the product as float.
float ConvertPressure(float value, PressureUnit from, PressureUnit to);
float PressureToShown(float bar, PressureUnit unit);
float PressureToBar(float shown, PressureUnit unit);

// Decimals for a range end shown in the current unit: the pressure switch
// resolves 820 steps over its range, the switch device 1000. Other families
// keep `currentDecimals`.
std::uint8_t UpdatePressureDecimals(DeviceFamily family, float rangeMaxShown,
                                    std::uint8_t currentDecimals);

}  // namespace tarnwick
