#pragma once

#include <memory>

#include "ports/port_source.h"
#include "ports/port_table.h"
#include "ports/user_places.h"

namespace tarnwick {

// The port table of the platform the program runs on (chosen by the build),
// with its published links and remembered numbers in `places`.
std::unique_ptr<PortTable> MakeSystemPortTable(const UserPlaces& places);

// The platform's list of present ports and its news of devices, over `table`,
// which MakeSystemPortTable made and which must outlive the source.
std::unique_ptr<PortSource> MakeSystemPortSource(const PortTable& table);

}  // namespace tarnwick
