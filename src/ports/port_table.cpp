#include "ports/port_table.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "ports/port_names.h"

namespace tarnwick {
namespace {

constexpr std::string_view kComPrefix = "COM";

int ComNumberOfDigits(std::string_view digits) {
  const int n = CanonicalNumber(digits);
  return n >= kMinComNumber && n <= kMaxComNumber ? n : 0;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::toupper(static_cast<unsigned char>(a)) ==
                  std::toupper(static_cast<unsigned char>(b));
         });
}

}  // namespace

int ComNumberOfLinkName(std::string_view name) {
  if (!name.starts_with(kComPrefix)) return 0;
  return ComNumberOfDigits(name.substr(kComPrefix.size()));
}

FixedPortTable::FixedPortTable(int comNumber, std::string devicePath)
    : entry_{.comNumber = comNumber, .devicePath = std::move(devicePath)} {}

std::string FixedPortTable::DevicePath(int comNumber) const {
  return comNumber == entry_.comNumber ? entry_.devicePath : std::string{};
}

std::vector<PortEntry> FixedPortTable::PresentPorts() const { return {entry_}; }

PortArgument ParsePortArgument(std::string_view text) {
  PortArgument argument;
  if (text.starts_with('/')) {
    argument.devicePath = std::string(text);
  } else if (StartsWithIgnoringCase(text, kComPrefix)) {
    argument.comNumber = ComNumberOfDigits(text.substr(kComPrefix.size()));
  }
  if (argument.comNumber == 0 && argument.devicePath.empty()) {
    argument.error = "'" + std::string(text) +
                     "' is not a port: give COM1 to COM256 or a device path such as "
                     "/dev/ttyUSB0";
  }
  return argument;
}

}  // namespace tarnwick
