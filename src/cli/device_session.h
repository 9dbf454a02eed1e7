#pragma once

#include <cstdint>
#include <optional>

#include "cli/cli_link.h"
#include "device/device_readout.h"
#include "device/engine_observer.h"

namespace tarnwick::cli {

// The console's read: open the link, identify the device at `address`, read
// it out. On success the link stays open for the caller. On failure the
// message is on stderr, the link is closed and nothing is returned.
std::optional<DeviceReadout> OpenAndReadDevice(CliLink& link, std::uint8_t address,
                                               bool factoryMode, EngineObserver& observer);

}  // namespace tarnwick::cli
