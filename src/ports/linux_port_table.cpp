#include <algorithm>
#include <iostream>
#include <system_error>
#include <utility>

#include "ports/device_numbering.h"
#include "ports/port_names.h"
#include "ports/port_number_memory.h"
#include "ports/port_table.h"
#include "ports/published_links.h"
#include "ports/udev_serial_devices.h"
#include "ports/user_places.h"

namespace tarnwick {

namespace fs = std::filesystem;

LinuxPortTable::LinuxPortTable(const UserPlaces& places)
    : LinuxPortTable(std::make_shared<UdevSerialDevices>(), places.portsDirectory,
                     places.portNumberFile, std::cerr) {}

LinuxPortTable::LinuxPortTable(std::shared_ptr<SerialDeviceSource> devices, fs::path portsDirectory,
                               fs::path numberFile, std::ostream& warnings)
    : devices_(std::move(devices)),
      portsDirectory_(std::move(portsDirectory)),
      memory_(std::make_unique<PortNumberMemory>(std::move(numberFile), warnings)) {}

LinuxPortTable::~LinuxPortTable() = default;

std::vector<PortEntry> LinuxPortTable::PortsInListOrder() const {
  const std::vector<PublishedLink> links = ReadPublishedLinks(portsDirectory_);
  std::set<int> linked;
  for (const PublishedLink& link : links) linked.insert(link.comNumber);
  std::vector<PortEntry> ports = NumberDevices(devices_->Enumerate(), linked, *memory_);
  std::erase_if(ports, [&](const PortEntry& port) { return linked.contains(port.comNumber); });
  for (const PublishedLink& link : links) {
    if (link.device.empty()) continue;
    ports.push_back({.comNumber = link.comNumber,
                     .devicePath = link.device,
                     .virtualPort = true,
                     .publishedName = LinkPublishedName(link.device)});
  }
  return ports;
}

std::vector<PortEntry> LinuxPortTable::PresentPorts() const {
  std::vector<PortEntry> ports = PortsInListOrder();
  std::sort(ports.begin(), ports.end(),
            [](const PortEntry& a, const PortEntry& b) { return a.comNumber < b.comNumber; });
  return ports;
}

std::string LinuxPortTable::DevicePath(int comNumber) const {
  if (comNumber < kMinComNumber || comNumber > kMaxComNumber) return {};
  // A published link decides its number alone, so opening a simulator's port
  // needs no look at the machine's devices.
  if (const fs::path link = PortLinkPath(portsDirectory_, comNumber); IsLink(link))
    return LinkedDevice(link);
  for (const PortEntry& port : PortsInListOrder()) {
    if (port.comNumber == comNumber) return port.devicePath;
  }
  return {};
}

std::string LinuxPortTable::MissingReason(int comNumber) const {
  if (comNumber < kMinComNumber || comNumber > kMaxComNumber) return {};
  const fs::path link = PortLinkPath(portsDirectory_, comNumber);
  if (!IsLink(link) || !LinkedDevice(link).empty()) return {};
  std::error_code ec;
  const std::string name = ComPortName(comNumber);
  if (!fs::exists(fs::status(link, ec))) return "the link " + name + " points at a missing device";
  return "the link " + name + " points at something that is not a serial device";
}

std::set<int> LinuxPortTable::NumbersInUse() const {
  std::set<int> numbers;
  for (const PortEntry& port : PortsInListOrder()) numbers.insert(port.comNumber);
  for (const auto& [key, comNumber] : memory_->Numbers()) numbers.insert(comNumber);
  return numbers;
}

}  // namespace tarnwick
