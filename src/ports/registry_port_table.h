#pragma once

#include "ports/port_table.h"

namespace tarnwick {

// The ports Windows publishes in SERIALCOMM, COM<n> opened as \\.\COM<n>. A
// port name that does not end in 1 to 256 cannot be chosen and is left out;
// of two values with the same port name the first counts.
class RegistryPortTable final : public PortTable {
 public:
  std::string DevicePath(int comNumber) const override;
  // Windows tells nothing more than that the port is missing.
  std::string MissingReason(int) const override { return {}; }
  std::vector<PortEntry> PresentPorts() const override;
};

}  // namespace tarnwick
