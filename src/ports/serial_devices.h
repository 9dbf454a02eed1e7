#pragma once

#include <string>
#include <vector>

#include "ports/device_event.h"

namespace tarnwick {

// A serial device of the machine as the device manager describes it. Texts
// the manager does not know are empty.
struct SerialDevice {
  std::string name{};        // the kernel's name, "ttyUSB0"
  std::string devicePath{};  // the node that opens it, "/dev/ttyUSB0"
  std::string driver{};      // the kernel driver behind it, "ftdi_sio"
  std::string serial{};      // the adapter's own serial number
  // Where it is attached (the socket or slot): the same place gives the same
  // text across plugging and restarts.
  std::string location{};
  std::string vendor{};
  std::string product{};
  // False for a legacy slot ttyS<k> that the kernel lists with no UART behind it.
  bool hasUart = true;
};

// The serial devices present now. Devices without a driver (virtual consoles,
// the pseudo-terminal master) are not serial devices and never listed.
class SerialDeviceSource {
 public:
  virtual ~SerialDeviceSource() = default;
  // In the device manager's own order, which is stable while nothing changes.
  virtual std::vector<SerialDevice> Enumerate() = 0;
};

// Announces serial devices that come and go.
class SerialDeviceMonitor {
 public:
  virtual ~SerialDeviceMonitor() = default;
  // Becomes readable when announcements wait; -1 when there is nothing to watch.
  virtual int Descriptor() const = 0;
  // The announcements that arrived since the last call, oldest first; never
  // blocks, and leaves the descriptor quiet until the next one.
  virtual std::vector<DeviceEvent> TakeEvents() = 0;
};

}  // namespace tarnwick
