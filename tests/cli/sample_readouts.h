#pragma once

#include "device/device_readout.h"

namespace tarnwick::cli {

// What a read-out of each family finds on the simulator's default devices,
// the records `read` prints and `program` takes back.
DeviceReadout PressureSwitchReadout();
DeviceReadout SwitchDeviceReadout();
DeviceReadout LevelDeviceReadout();

}  // namespace tarnwick::cli
