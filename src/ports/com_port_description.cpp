#include "ports/com_port_description.h"

#include <algorithm>
#include <string_view>

#include "ports/port_names.h"

namespace tarnwick {
namespace {

// A driver's name for a USB adapter's virtual COM port.
constexpr std::string_view kVirtualPortMark = "VCP";

}  // namespace

std::vector<T_Com_Port_Description> DescribePorts(const std::vector<PublishedPort>& ports) {
  std::vector<T_Com_Port_Description> entries;
  for (const PublishedPort& published : ports) {
    const bool known = std::any_of(
        entries.begin(), entries.end(),
        [&](const T_Com_Port_Description& entry) { return entry.port == published.port; });
    if (known) continue;
    entries.push_back({.name = published.name,
                       .port = published.port,
                       .number = TrailingNumber(published.port),
                       .virtualPort = published.name.find(kVirtualPortMark) != std::string::npos});
  }
  return entries;
}

}  // namespace tarnwick
