#include "device/pressure_units.h"

#include <array>

namespace tarnwick {
namespace {

constexpr double kPsiPerBar = 14.5038;
constexpr double kPsiPerMpa = 145.038;

// Rows and columns in the order of PressureUnit. The PSI-MPa pair serves only
// a unit change of values already on screen.
constexpr std::array<std::array<double, 3>, 3> kFactors = {{
    {1.0, kPsiPerBar, 0.1},
    {1.0 / kPsiPerBar, 1.0, 1.0 / kPsiPerMpa},
    {10.0, kPsiPerMpa, 1.0},
}};

constexpr std::array<std::string_view, 3> kUnitTexts = {"bar", "PSI", "MPa"};

constexpr float kPressureSwitchSteps = 820.0F;
constexpr float kSwitchDeviceSteps = 1000.0F;

std::size_t Index(PressureUnit unit) { return static_cast<std::size_t>(unit); }

std::optional<float> StepsOverRange(DeviceFamily family) {
  if (family == DeviceFamily::kPressureSwitch) return kPressureSwitchSteps;
  if (family == DeviceFamily::kSwitchDevice) return kSwitchDeviceSteps;
  return std::nullopt;
}

}  // namespace

std::string_view PressureUnitText(PressureUnit unit) { return kUnitTexts[Index(unit)]; }

std::optional<PressureUnit> ParsePressureUnit(std::string_view text) {
  for (std::size_t index = 0; index < kUnitTexts.size(); ++index) {
    if (kUnitTexts[index] == text) return static_cast<PressureUnit>(index);
  }
  return std::nullopt;
}

double PressureFactor(PressureUnit from, PressureUnit to) {
  return kFactors[Index(from)][Index(to)];
}

float ConvertPressure(float value, PressureUnit from, PressureUnit to) {
  return static_cast<float>(static_cast<double>(value) * PressureFactor(from, to));
}

float PressureToShown(float bar, PressureUnit unit) {
  return ConvertPressure(bar, PressureUnit::kBar, unit);
}

float PressureToBar(float shown, PressureUnit unit) {
  return ConvertPressure(shown, unit, PressureUnit::kBar);
}

std::uint8_t UpdatePressureDecimals(DeviceFamily family, float rangeMaxShown,
                                    std::uint8_t currentDecimals) {
  const std::optional<float> steps = StepsOverRange(family);
  if (!steps) return currentDecimals;
  const float step = rangeMaxShown / *steps;
  // The thresholds stay in double: a step of 0.01 in decimal that lands just
  // below it as a float belongs to the finer class.
  const double exactStep = step;
  if (exactStep >= 1.0) return 0;
  if (exactStep >= 0.1) return 1;
  if (exactStep >= 0.01) return 2;
  if (exactStep >= 0.001) return 3;
  return 4;
}

}  // namespace tarnwick
