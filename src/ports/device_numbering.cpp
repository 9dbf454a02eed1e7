#include "ports/device_numbering.h"

#include <map>
#include <string>
#include <string_view>

#include "ports/port_names.h"
#include "ports/port_number_memory.h"

namespace tarnwick {
namespace {

constexpr std::string_view kUartPrefix = "ttyS";

// k+1 for the UART ttyS<k>; 0 for any other name.
int UartComNumber(std::string_view name) {
  if (!name.starts_with(kUartPrefix)) return 0;
  const int k = CanonicalNumber(name.substr(kUartPrefix.size()));
  return k >= 0 && k < kMaxComNumber ? k + 1 : 0;
}

PortEntry EntryOf(const SerialDevice& device, int comNumber) {
  return PortEntry{.comNumber = comNumber,
                   .devicePath = device.devicePath,
                   .publishedName = device.driver + ' ' + device.name,
                   .vendor = device.vendor,
                   .product = device.product,
                   .serial = device.serial};
}

// Numbers the devices of one look at the machine.
class Numbering {
 public:
  Numbering(const std::vector<SerialDevice>& devices, const std::set<int>& reservedNumbers,
            PortNumberMemory& memory)
      : memory_(memory), remembered_(memory.Numbers()), held_(reservedNumbers) {
    for (const SerialDevice& device : devices) {
      if (const int n = UartComNumber(device.name); n != 0 && device.hasUart) uarts_.insert(n);
    }
    held_.insert(uarts_.begin(), uarts_.end());
    for (const auto& [key, comNumber] : remembered_) held_.insert(comNumber);
  }

  // The device's number; 0 when none is left for it.
  int NumberOf(const SerialDevice& device) {
    if (const int uart = UartComNumber(device.name)) return uart;
    const std::string key = KeyOf(device);
    keysUsed_.insert(key);
    if (const auto known = remembered_.find(key); known != remembered_.end() &&
                                                  !uarts_.contains(known->second) &&
                                                  !given_.contains(known->second)) {
      return Give(known->second);
    }
    for (int n = kMinComNumber; n <= kMaxComNumber; ++n) {
      if (held_.contains(n)) continue;
      memory_.Remember(key, n);
      remembered_[key] = n;
      held_.insert(n);
      return Give(n);
    }
    return 0;
  }

 private:
  // A device once known by where it is attached stays so, wherever it comes
  // in the list, so that two identical adapters never swap numbers.
  std::string KeyOf(const SerialDevice& device) {
    std::string path = "path " + device.location;
    if (device.serial.empty() || remembered_.contains(path)) return path;
    std::string serial = "serial " + device.serial;
    return keysUsed_.contains(serial) ? path : serial;
  }

  int Give(int comNumber) {
    given_.insert(comNumber);
    return comNumber;
  }

  PortNumberMemory& memory_;
  std::map<std::string, int> remembered_;
  std::set<int> uarts_;
  // Numbers a device seen for the first time may not take.
  std::set<int> held_;
  // Numbers given in this pass: a file edited by hand may hold one twice.
  std::set<int> given_;
  std::set<std::string> keysUsed_;
};

}  // namespace

std::vector<PortEntry> NumberDevices(const std::vector<SerialDevice>& devices,
                                     const std::set<int>& reservedNumbers,
                                     PortNumberMemory& memory) {
  Numbering numbering(devices, reservedNumbers, memory);
  std::vector<PortEntry> ports;
  for (const SerialDevice& device : devices) {
    if (!device.hasUart) continue;
    if (const int n = numbering.NumberOf(device)) ports.push_back(EntryOf(device, n));
  }
  return ports;
}

}  // namespace tarnwick
