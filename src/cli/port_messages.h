#pragma once

#include <string>

#include "bus/serial_port.h"

namespace tarnwick::cli {

// One line a technician understands, for a port that could not be opened.
// `portName` is what the user typed ("COM3" or "/dev/ttyUSB0"), `devicePath`
// the device behind it (may be empty when the COM number is unknown), and
// `missingReason` why a COM number that something names has no device.
std::string PortOpenMessage(PortError error, const std::string& portName,
                            const std::string& devicePath, const std::string& missingReason);

}  // namespace tarnwick::cli
