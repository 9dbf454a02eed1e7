#pragma once

#include <string>

#include "bus/serial_port.h"

namespace tarnwick::cli {

// One line a technician understands, for a port that could not be opened.
// `portName` is what the user typed ("COM3" or "/dev/ttyUSB0"), `devicePath`
// the device behind it (empty when the COM number is unknown).
std::string PortOpenMessage(const PortStatus& status, const std::string& portName,
                            const std::string& devicePath);

}  // namespace tarnwick::cli
