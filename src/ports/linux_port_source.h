#pragma once

#include <memory>

#include "ports/port_source.h"
#include "ports/ports_directory_watch.h"

namespace tarnwick {

class LinuxPortTable;
class SerialDeviceMonitor;

// The ports of a LinuxPortTable, published as "COM<n>" under each entry's
// published name, with the news of udev's monitor and of the ports directory.
// Both descriptors must be watched for reading; when either is readable,
// TakeEvents drains both, and after an arrival or removal Ports() gives the
// new list.
class LinuxPortSource final : public PortSource {
 public:
  // Watches udev and the table's ports directory, which is created when
  // missing.
  explicit LinuxPortSource(const LinuxPortTable& table);
  // `monitor` is a parameter so tests can announce devices themselves.
  LinuxPortSource(const LinuxPortTable& table, std::shared_ptr<SerialDeviceMonitor> monitor);

  std::vector<PublishedPort> Ports() override;
  std::vector<PortEntry> Devices() override;
  std::vector<int> WatchedDescriptors() const override;
  std::vector<DeviceEvent> TakeEvents() override;

 private:
  const LinuxPortTable& table_;
  std::shared_ptr<SerialDeviceMonitor> monitor_;
  PortsDirectoryWatch links_;
};

}  // namespace tarnwick
