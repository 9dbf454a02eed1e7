#include "ports/linux_port_source.h"

#include <utility>

#include "ports/port_names.h"
#include "ports/port_table.h"
#include "ports/udev_serial_devices.h"

namespace tarnwick {

LinuxPortSource::LinuxPortSource(const LinuxPortTable& table)
    : LinuxPortSource(table, std::make_shared<UdevSerialMonitor>()) {}

LinuxPortSource::LinuxPortSource(const LinuxPortTable& table,
                                 std::shared_ptr<SerialDeviceMonitor> monitor)
    : table_(table), monitor_(std::move(monitor)), links_(table.PortsDirectory()) {}

std::vector<PublishedPort> LinuxPortSource::Ports() {
  std::vector<PublishedPort> ports;
  for (const PortEntry& entry : table_.PortsInListOrder()) {
    ports.push_back({entry.publishedName, ComPortName(entry.comNumber)});
  }
  return ports;
}

std::vector<PortEntry> LinuxPortSource::Devices() { return table_.PresentPorts(); }

std::vector<int> LinuxPortSource::WatchedDescriptors() const {
  std::vector<int> descriptors;
  for (const int fd : {monitor_->Descriptor(), links_.Descriptor()}) {
    if (fd >= 0) descriptors.push_back(fd);
  }
  return descriptors;
}

std::vector<DeviceEvent> LinuxPortSource::TakeEvents() {
  std::vector<DeviceEvent> events = monitor_->TakeEvents();
  const std::vector<DeviceEvent> links = links_.TakeEvents();
  events.insert(events.end(), links.begin(), links.end());
  return events;
}

}  // namespace tarnwick
