#pragma once

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ports/serial_devices.h"

namespace tarnwick::testing {

// The device manager as a test plugs and unplugs: each change is announced
// through a descriptor that becomes readable, as udev's monitor does.
class FakeUdev final : public SerialDeviceSource, public SerialDeviceMonitor {
 public:
  FakeUdev() : fd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}
  ~FakeUdev() override { close(fd_); }
  FakeUdev(const FakeUdev&) = delete;
  FakeUdev& operator=(const FakeUdev&) = delete;

  void Plug(SerialDevice device) {
    devices_.push_back(std::move(device));
    Announce(DeviceChange::kArrival);
  }
  void Unplug(const std::string& name) {
    std::erase_if(devices_, [&](const SerialDevice& device) { return device.name == name; });
    Announce(DeviceChange::kRemoval);
  }
  // Without announcing anything, as at start-up.
  void Set(std::vector<SerialDevice> devices) { devices_ = std::move(devices); }

  std::vector<SerialDevice> Enumerate() override { return devices_; }
  int Descriptor() const override { return fd_; }
  std::vector<DeviceEvent> TakeEvents() override {
    std::uint64_t count = 0;
    if (read(fd_, &count, sizeof count) < 0) return {};
    return std::exchange(events_, {});
  }

 private:
  void Announce(DeviceChange change) {
    events_.push_back({change});
    const std::uint64_t one = 1;
    if (write(fd_, &one, sizeof one) < 0) events_.clear();
  }

  int fd_;
  std::vector<SerialDevice> devices_;
  std::vector<DeviceEvent> events_;
};

inline SerialDevice Uart(int k, bool hasUart = true) {
  const std::string name = "ttyS" + std::to_string(k);
  return {.name = name,
          .devicePath = "/dev/" + name,
          .driver = "serial8250",
          .location = "platform-serial8250",
          .hasUart = hasUart};
}

inline SerialDevice Adapter(const std::string& name, const std::string& serial,
                            const std::string& location) {
  return {.name = name,
          .devicePath = "/dev/" + name,
          .driver = "ftdi_sio",
          .serial = serial,
          .location = location,
          .vendor = "Future Technology Devices International, Ltd",
          .product = "FT232 Serial (UART) IC"};
}

}  // namespace tarnwick::testing
