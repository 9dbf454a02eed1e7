#pragma once

#include <string>

#include "bus/serial_port.h"

namespace tarnwick {

// Why COM<comNumber> could not be opened, in plain words in language
// `languageIndex` (a line below message 50): no port chosen, a port that is
// not present, in use by another program, not open to the user or not a
// serial port, as `status` tells. `devicePath` is the device behind the
// port, empty when there is none. Empty when the system tells nothing a user
// can act on.
std::string PortFailureReason(int languageIndex, int comNumber, const PortStatus& status,
                              const std::string& devicePath);

}  // namespace tarnwick
