#include "ports/linux_port_source.h"
#include "ports/system_port_table.h"

namespace tarnwick {

std::unique_ptr<PortTable> MakeSystemPortTable(const UserPlaces& places) {
  return std::make_unique<LinuxPortTable>(places);
}

std::unique_ptr<PortSource> MakeSystemPortSource(const PortTable& table) {
  return std::make_unique<LinuxPortSource>(dynamic_cast<const LinuxPortTable&>(table));
}

}  // namespace tarnwick
