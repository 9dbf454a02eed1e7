#pragma once

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "ports/port_source.h"

namespace tarnwick::testing {

// The machine's ports as a test sets them, none at first. Announce makes the
// watched descriptor readable, as a plugged adapter makes udev's monitor.
class ScriptedPortSource final : public PortSource {
 public:
  ScriptedPortSource() : fd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}
  ~ScriptedPortSource() override { close(fd_); }
  ScriptedPortSource(const ScriptedPortSource&) = delete;
  ScriptedPortSource& operator=(const ScriptedPortSource&) = delete;

  void Announce(std::vector<DeviceEvent> events) {
    pending_.insert(pending_.end(), events.begin(), events.end());
    const std::uint64_t one = 1;
    if (write(fd_, &one, sizeof one) < 0) pending_.clear();
  }
  // Announced news not yet taken.
  bool NewsWaiting() const { return !pending_.empty(); }

  std::vector<PublishedPort> Ports() override { return ports; }
  std::vector<PortEntry> Devices() override { return devices; }
  std::vector<int> WatchedDescriptors() const override { return {fd_}; }
  std::vector<DeviceEvent> TakeEvents() override {
    std::uint64_t count = 0;
    if (read(fd_, &count, sizeof count) < 0) return {};
    return std::exchange(pending_, {});
  }

  // In the platform's enumeration order.
  std::vector<PublishedPort> ports;
  std::vector<PortEntry> devices;

 private:
  int fd_;
  std::vector<DeviceEvent> pending_;
};

}  // namespace tarnwick::testing
