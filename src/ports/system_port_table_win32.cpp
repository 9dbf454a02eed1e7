#include "ports/registry_port_source.h"
#include "ports/registry_port_table.h"
#include "ports/system_port_table.h"

namespace tarnwick {

// The registry numbers every port itself; the places are for Linux's tables.
std::unique_ptr<PortTable> MakeSystemPortTable(const UserPlaces&) {
  return std::make_unique<RegistryPortTable>();
}

// SERIALCOMM is read afresh on every call, so the source needs no table.
std::unique_ptr<PortSource> MakeSystemPortSource(const PortTable&) {
  return std::make_unique<RegistryPortSource>();
}

}  // namespace tarnwick
