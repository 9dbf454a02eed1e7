#pragma once

#include <vector>

#include "ports/port_source.h"

namespace tarnwick {

// The values of HKEY_LOCAL_MACHINE\HARDWARE\DEVICEMAP\SERIALCOMM in the
// registry's enumeration order: each value's name is the driver's device name
// the port is published under, its data the port name ("COM3"). None when the
// key is missing, as it is while no serial port is present. A value whose data
// is not text names no port and is passed over.
std::vector<PublishedPort> ReadSerialCommPorts();

}  // namespace tarnwick
