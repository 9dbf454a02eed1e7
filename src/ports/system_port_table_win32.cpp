#include "ports/registry_port_table.h"
#include "ports/system_port_table.h"

namespace tarnwick {

std::unique_ptr<PortTable> MakeSystemPortTable() { return std::make_unique<RegistryPortTable>(); }

}  // namespace tarnwick
