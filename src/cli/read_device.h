#pragma once

#include <cstdint>
#include <optional>

#include "cli/cli_link.h"
#include "device/device_readout.h"
#include "device/engine_observer.h"

namespace tarnwick::cli {

// The console's read session on the command's link, with its failures told on
// stderr. On success the link stays open for the caller. On failure the link
// is closed, `failureStatus` holds the exit status (1, or 130 / 143 when
// Ctrl-C or SIGTERM stopped it) and nothing is returned.
std::optional<DeviceReadout> ReadDevice(CliLink& link, std::uint8_t address, bool factoryMode,
                                        EngineObserver& observer, int& failureStatus);

}  // namespace tarnwick::cli
