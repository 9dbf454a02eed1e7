#pragma once

#include "ports/port_source.h"
#include "ports/registry_serial_ports.h"

namespace tarnwick {

// SERIALCOMM for the Port menu. Windows announces devices to the main window
// with WM_DEVICECHANGE, which its native event handler passes on; so there is
// nothing to watch and no news to take here, and Ports() reads the registry
// afresh on every call. The registry names a port's driver device and
// nothing of the adapter behind it, so there are no devices to tell of.
class RegistryPortSource final : public PortSource {
 public:
  std::vector<PublishedPort> Ports() override { return ReadSerialCommPorts(); }
  std::vector<PortEntry> Devices() override { return {}; }
  std::vector<int> WatchedDescriptors() const override { return {}; }
  std::vector<DeviceEvent> TakeEvents() override { return {}; }
};

}  // namespace tarnwick
