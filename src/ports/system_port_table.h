#pragma once

#include <memory>

#include "ports/port_table.h"

namespace tarnwick {

// The port table of the platform the program runs on (chosen by the build).
std::unique_ptr<PortTable> MakeSystemPortTable();

}  // namespace tarnwick
