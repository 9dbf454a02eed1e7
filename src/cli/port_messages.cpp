#include "cli/port_messages.h"

namespace tarnwick::cli {

std::string PortOpenMessage(const PortStatus& status, const std::string& portName,
                            const std::string& devicePath) {
  const std::string device = devicePath.empty() ? portName : devicePath;
  switch (status.error) {
    case PortError::kNotFound:
      return portName + " does not exist (" + status.systemText + ")";
    case PortError::kBusy:
      return portName + " is in use by another program";
    case PortError::kPermission:
      return "no permission to open " + device + ": add the user to the dialout group";
    case PortError::kNotSerial:
      return device + " is not a serial port";
    case PortError::kSettings:
      return portName + " refused the line settings (9600 baud, 8N1)";
    case PortError::kNone:
    case PortError::kIo:
      break;
  }
  return portName + " could not be opened" +
         (status.systemText.empty() ? "" : ": " + status.systemText);
}

}  // namespace tarnwick::cli
