#include "ports/registry_port_source.h"
#include "ports/registry_port_table.h"
#include "ports/system_port_table.h"

namespace tarnwick {

std::unique_ptr<PortTable> MakeSystemPortTable() { return std::make_unique<RegistryPortTable>(); }

// SERIALCOMM is read afresh on every call, so the source needs no table.
std::unique_ptr<PortSource> MakeSystemPortSource(const PortTable&) {
  return std::make_unique<RegistryPortSource>();
}

}  // namespace tarnwick
