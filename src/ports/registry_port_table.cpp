#include "ports/registry_port_table.h"

#include <algorithm>

#include "ports/port_names.h"
#include "ports/registry_serial_ports.h"

namespace tarnwick {
namespace {

// A driver's name for a USB adapter's virtual COM port.
constexpr std::string_view kVirtualPortMark = "VCP";

}  // namespace

std::string RegistryPortTable::DevicePath(int comNumber) const {
  for (const PortEntry& port : PresentPorts()) {
    if (port.comNumber == comNumber) return port.devicePath;
  }
  return {};
}

std::vector<PortEntry> RegistryPortTable::PresentPorts() const {
  std::vector<PortEntry> ports;
  for (const PublishedPort& published : ReadSerialCommPorts()) {
    const int n = TrailingNumber(published.port);
    const bool known = std::any_of(ports.begin(), ports.end(),
                                   [n](const PortEntry& port) { return port.comNumber == n; });
    if (n < kMinComNumber || n > kMaxComNumber || known) continue;
    ports.push_back({.comNumber = n,
                     .devicePath = "\\\\.\\" + published.port,
                     .virtualPort = published.name.find(kVirtualPortMark) != std::string::npos,
                     .publishedName = published.name});
  }
  std::stable_sort(ports.begin(), ports.end(), [](const PortEntry& a, const PortEntry& b) {
    return a.comNumber < b.comNumber;
  });
  return ports;
}

}  // namespace tarnwick
