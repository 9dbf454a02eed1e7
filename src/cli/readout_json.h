#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>

#include "device/device_readout.h"
#include "device/pressure_units.h"

namespace tarnwick::cli {

// What `read` (and `program`, after writing) prints about a device: identity,
// ranges and both switch outputs, pressures in bar and as the console would
// show them in `unit`. The same object, edited, is what `program` takes.
nlohmann::ordered_json ReadoutJson(const DeviceReadout& readout, std::uint8_t sessionAddress,
                                   PressureUnit unit);

}  // namespace tarnwick::cli
