#include "ports/com_port_factory.h"

namespace tarnwick {

std::unique_ptr<SerialPort> ComPortFactory::Open(int comNumber, PortStatus& status) {
  const std::string path = table_.DevicePath(comNumber);
  if (path.empty()) {
    const std::string why = table_.MissingReason(comNumber);
    status =
        PortStatus::Failed(PortError::kNotFound, why.empty() ? "no such port is present" : why);
    return nullptr;
  }
  return OpenSerialDevice(path, status);
}

}  // namespace tarnwick
