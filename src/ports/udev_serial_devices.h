#pragma once

#include "ports/serial_devices.h"

struct udev;
struct udev_monitor;

namespace tarnwick {

// The "tty" subsystem through libudev. When libudev cannot be opened there are
// no devices, which costs the machine's own ports but not the published ones.
class UdevSerialDevices final : public SerialDeviceSource {
 public:
  UdevSerialDevices();
  ~UdevSerialDevices() override;
  UdevSerialDevices(const UdevSerialDevices&) = delete;
  UdevSerialDevices& operator=(const UdevSerialDevices&) = delete;

  std::vector<SerialDevice> Enumerate() override;

 private:
  udev* udev_;
};

// udev's announcements of tty devices, after udev has created their nodes and
// named them. Only devices with a driver count as arriving; a removal is
// announced for every device that is not a virtual terminal, as a removed
// device no longer tells its driver.
class UdevSerialMonitor final : public SerialDeviceMonitor {
 public:
  UdevSerialMonitor();
  ~UdevSerialMonitor() override;
  UdevSerialMonitor(const UdevSerialMonitor&) = delete;
  UdevSerialMonitor& operator=(const UdevSerialMonitor&) = delete;

  int Descriptor() const override;
  std::vector<DeviceEvent> TakeEvents() override;

 private:
  udev* udev_;
  udev_monitor* monitor_ = nullptr;
};

}  // namespace tarnwick
