#pragma once

#include <QString>

#include "ports/port_table.h"

namespace tarnwick {

// What a Port menu entry tells of the device behind its COM number, in
// language `languageIndex`: the adapter's product name and its device
// ("FT232R USB UART, /dev/ttyUSB0"), or for a link published in the ports
// directory "simulated port /dev/pts/3".
QString PortDeviceTip(const PortEntry& port, int languageIndex);

}  // namespace tarnwick
