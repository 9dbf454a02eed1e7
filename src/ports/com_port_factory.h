#pragma once

#include <memory>
#include <string>

#include "bus/serial_port.h"
#include "ports/port_table.h"

namespace tarnwick {

// Opens COM<n> at the device the port table maps it to, with the platform's
// serial backend. The table is asked at every open, so a port that came or
// went since the last one is seen.
class ComPortFactory final : public SerialPortFactory {
 public:
  // `table` must outlive the factory.
  explicit ComPortFactory(const PortTable& table) : table_(table) {}

  std::unique_ptr<SerialPort> Open(int comNumber, PortStatus& status) override;
  std::string DeviceName(int comNumber) const override { return table_.DevicePath(comNumber); }

 private:
  const PortTable& table_;
};

}  // namespace tarnwick
