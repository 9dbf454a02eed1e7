#pragma once

#include <string>
#include <vector>

#include "device/pressure_units.h"
#include "programming/program_verification.h"

namespace tarnwick {

// How the switch tabs show values: switch points in `unit` with `decimals`
// decimals, delays in seconds by the family's steps, with the user's decimal
// separator.
struct ShownValueFormat {
  DeviceFamily family = DeviceFamily::kNone;
  PressureUnit unit = PressureUnit::kBar;
  int decimals = 0;
  char separator = '.';
};

// One difference in language 1 English, 2 German or 3 French (anything else
// English): "Switch 1, high switch point: written 5.00 bar, read 4.00 bar".
// Two points that look alike at the shown decimals are shown in full.
std::string DifferenceText(const ProgrammingDifference& difference, const ShownValueFormat& format,
                           int languageIndex);

// The warning the console shows after programming: the heading ("The device
// now holds other values than were written:"), then one line per difference.
// Empty for no differences.
std::string VerificationWarning(const std::vector<ProgrammingDifference>& differences,
                                const ShownValueFormat& format, int languageIndex);

}  // namespace tarnwick
