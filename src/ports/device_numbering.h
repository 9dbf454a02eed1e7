#pragma once

#include <set>
#include <vector>

#include "ports/port_table.h"
#include "ports/serial_devices.h"

namespace tarnwick {

class PortNumberMemory;

// The machine's serial devices with their COM numbers, in the order given.
//
// A UART /dev/ttyS<k> is COM<k+1>; a slot without a UART is left out. Every
// other device keeps the number `memory` holds for it, or gets the lowest
// number that no UART, no remembered device and none of `reservedNumbers`
// holds, and keeps it from then on. A device is known by its serial number,
// or by where it is attached when it has none or when another present device
// has the same one. A device left without a number (all are held) is left out.
std::vector<PortEntry> NumberDevices(const std::vector<SerialDevice>& devices,
                                     const std::set<int>& reservedNumbers,
                                     PortNumberMemory& memory);

}  // namespace tarnwick
