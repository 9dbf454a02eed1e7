#pragma once

#include <string>
#include <vector>

#include "ports/device_event.h"
#include "ports/port_table.h"

namespace tarnwick {

// One present port as the platform publishes it.
struct PublishedPort {
  std::string name;  // the name it is published under ("ftdi_sio ttyUSB0", "\Device\Serial0")
  std::string port;  // "COM<n>"

  friend bool operator==(const PublishedPort&, const PublishedPort&) = default;
};

// The platform's list of present ports and its news of devices that come and
// go, for the Port menu. Nothing here waits or polls: the console watches the
// descriptors and calls TakeEvents when one is readable.
class PortSource {
 public:
  virtual ~PortSource() = default;
  // The present ports, looked up now, in the platform's enumeration order
  // (stable while nothing changes, not sorted by number).
  virtual std::vector<PublishedPort> Ports() = 0;
  // What the machine tells of the device behind each present port, looked up
  // now, for the Port menu's tips; empty where it tells nothing more than
  // the port's name.
  virtual std::vector<PortEntry> Devices() = 0;
  // File descriptors that become readable when devices may have come or
  // gone; empty where the platform tells through window messages instead.
  virtual std::vector<int> WatchedDescriptors() const = 0;
  // The arrivals and removals announced since the last call, oldest first.
  // Never blocks; afterwards the descriptors are quiet until the next news.
  virtual std::vector<DeviceEvent> TakeEvents() = 0;
};

}  // namespace tarnwick
