#pragma once

#include <cstdint>

#include "cli/cli_args.h"
#include "device/pressure_units.h"

namespace tarnwick::cli {

// Options that several device commands share.

// --address A: the session's bus address, 250 when absent.
std::uint8_t AddressOption(const CliArgs& args);
// --unit bar|PSI|MPa: the unit pressures are shown in, bar when absent.
PressureUnit UnitOption(const CliArgs& args);
// --retry-no-switch N: how often the pressure switch family's read-again
// question is answered OK; 0 (Cancel at once) when absent.
int RetryNoSwitchOption(const CliArgs& args);

}  // namespace tarnwick::cli
