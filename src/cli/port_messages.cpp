#include "cli/port_messages.h"

namespace tarnwick::cli {

std::string PortOpenMessage(PortError error, const std::string& portName,
                            const std::string& devicePath, const std::string& missingReason) {
  const std::string device = devicePath.empty() ? portName : devicePath;
  switch (error) {
    case PortError::kNotFound:
      if (!missingReason.empty()) return portName + " does not exist (" + missingReason + ")";
      return devicePath.empty() ? portName + " does not exist: no such port is published"
                                : portName + " does not exist (" + devicePath + " is missing)";
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
  return portName + " could not be opened";
}

}  // namespace tarnwick::cli
