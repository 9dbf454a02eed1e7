#include "ports/udev_serial_devices.h"

#include <libudev.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {
namespace {

constexpr const char* kSubsystem = "tty";
// From Linux 6.5 on the serial core puts devices of its own between a UART
// and the driver that found it; their drivers tell nothing about the hardware.
constexpr std::string_view kSerialCoreBus = "serial-base";
// Virtual terminals, the pseudo-terminal master and the console live here.
constexpr std::string_view kVirtualDevices = "/devices/virtual/";
// The kernel's "no UART at this address" in the sysfs attribute "type".
constexpr std::string_view kNoUartType = "0";

struct DeviceRelease {
  void operator()(udev_device* device) const { udev_device_unref(device); }
};
using DevicePtr = std::unique_ptr<udev_device, DeviceRelease>;

struct EnumerateRelease {
  void operator()(udev_enumerate* scan) const { udev_enumerate_unref(scan); }
};

std::string Text(const char* text) { return text ? text : ""; }

std::string Property(udev_device* device, const char* name) {
  return Text(udev_device_get_property_value(device, name));
}

std::string FirstProperty(udev_device* device, const char* preferred, const char* fallback) {
  std::string value = Property(device, preferred);
  return value.empty() ? Property(device, fallback) : value;
}

// The nearest ancestor whose driver says what the hardware is; none for a
// terminal that is not hardware.
udev_device* DriverParent(udev_device* device) {
  for (udev_device* parent = udev_device_get_parent(device); parent;
       parent = udev_device_get_parent(parent)) {
    if (udev_device_get_driver(parent) &&
        Text(udev_device_get_subsystem(parent)) != kSerialCoreBus) {
      return parent;
    }
  }
  return nullptr;
}

// udev's name of the socket or slot. Without a udev daemon that worked it out,
// the kernel's path of the hardware, leaving out a USB serial driver's own
// device: that one is named ttyUSB<n> in the order of plugging.
std::string Location(udev_device* device, udev_device* driverParent) {
  if (std::string path = Property(device, "ID_PATH"); !path.empty()) return path;
  udev_device* hardware = driverParent;
  if (Text(udev_device_get_sysname(hardware)) == Text(udev_device_get_sysname(device))) {
    hardware = udev_device_get_parent(hardware);
  }
  return hardware ? Text(udev_device_get_devpath(hardware)) : std::string{};
}

std::optional<SerialDevice> Describe(udev_device* device) {
  udev_device* driverParent = DriverParent(device);
  const char* node = udev_device_get_devnode(device);
  if (!driverParent || !node) return std::nullopt;
  return SerialDevice{
      .name = Text(udev_device_get_sysname(device)),
      .devicePath = node,
      .driver = Text(udev_device_get_driver(driverParent)),
      .serial = Property(device, "ID_SERIAL_SHORT"),
      .location = Location(device, driverParent),
      .vendor = FirstProperty(device, "ID_VENDOR_FROM_DATABASE", "ID_VENDOR"),
      .product = FirstProperty(device, "ID_MODEL_FROM_DATABASE", "ID_MODEL"),
      .hasUart = Text(udev_device_get_sysattr_value(device, "type")) != kNoUartType,
  };
}

std::optional<DeviceEvent> EventOf(udev_device* device) {
  const std::string action = Text(udev_device_get_action(device));
  if (action == "add" && DriverParent(device)) return DeviceEvent{DeviceChange::kArrival};
  if (action == "remove" && !Text(udev_device_get_devpath(device)).starts_with(kVirtualDevices)) {
    return DeviceEvent{DeviceChange::kRemoval};
  }
  return std::nullopt;
}

}  // namespace

UdevSerialDevices::UdevSerialDevices() : udev_(udev_new()) {}

UdevSerialDevices::~UdevSerialDevices() { udev_unref(udev_); }

std::vector<SerialDevice> UdevSerialDevices::Enumerate() {
  std::vector<SerialDevice> devices;
  if (!udev_) return devices;
  const std::unique_ptr<udev_enumerate, EnumerateRelease> scan(udev_enumerate_new(udev_));
  if (!scan || udev_enumerate_add_match_subsystem(scan.get(), kSubsystem) < 0 ||
      udev_enumerate_scan_devices(scan.get()) < 0) {
    return devices;
  }
  for (udev_list_entry* entry = udev_enumerate_get_list_entry(scan.get()); entry;
       entry = udev_list_entry_get_next(entry)) {
    // A device that left between the scan and this look is simply not listed.
    const DevicePtr device(udev_device_new_from_syspath(udev_, udev_list_entry_get_name(entry)));
    if (!device) continue;
    if (auto serial = Describe(device.get())) devices.push_back(std::move(*serial));
  }
  return devices;
}

UdevSerialMonitor::UdevSerialMonitor() : udev_(udev_new()) {
  if (!udev_) return;
  monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
  if (monitor_ &&
      (udev_monitor_filter_add_match_subsystem_devtype(monitor_, kSubsystem, nullptr) < 0 ||
       udev_monitor_enable_receiving(monitor_) < 0)) {
    monitor_ = udev_monitor_unref(monitor_);
  }
}

UdevSerialMonitor::~UdevSerialMonitor() {
  udev_monitor_unref(monitor_);
  udev_unref(udev_);
}

int UdevSerialMonitor::Descriptor() const { return monitor_ ? udev_monitor_get_fd(monitor_) : -1; }

// The monitor's socket does not block, so this ends when the queue is empty.
std::vector<DeviceEvent> UdevSerialMonitor::TakeEvents() {
  std::vector<DeviceEvent> events;
  if (!monitor_) return events;
  while (const DevicePtr device{udev_monitor_receive_device(monitor_)}) {
    if (const auto event = EventOf(device.get())) events.push_back(*event);
  }
  return events;
}

}  // namespace tarnwick
