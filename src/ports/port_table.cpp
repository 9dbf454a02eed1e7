#include "ports/port_table.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <map>
#include <set>
#include <system_error>
#include <utility>

#include "ports/ports_directory.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kComPrefix = "COM";
constexpr std::string_view kUartPrefix = "ttyS";
// The kernel's "no UART at this address" type in /sys/class/tty/ttyS<k>/type.
constexpr int kUnknownUartType = 0;

// A decimal number written the way the kernel and the port links write it: no
// sign, no leading zero. -1 for anything else.
int CanonicalNumber(std::string_view digits) {
  if (digits.empty() || (digits.size() > 1 && digits.front() == '0')) return -1;
  int value = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec != std::errc{} || end != digits.data() + digits.size()) return -1;
  return value;
}

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

bool IsLink(const fs::path& path) {
  std::error_code ec;
  return fs::is_symlink(fs::symlink_status(path, ec));
}

// A COM link counts when it is a symlink whose target is a character device;
// links left behind by a program that ended (dangling) and links to anything
// else are not ports. Returns the device the link points at, or empty.
std::string LinkedDevice(const fs::path& link) {
  std::error_code ec;
  if (!IsLink(link)) return {};
  if (!fs::is_character_file(fs::status(link, ec))) return {};
  const fs::path target = fs::canonical(link, ec);
  return ec ? std::string{} : target.string();
}

// Names in a directory; a directory that is missing or vanishes while it is
// read simply has no (more) names.
template <typename Visit>
void ForEachName(const fs::path& directory, Visit visit) {
  std::error_code ec;
  for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
    visit(it->path().filename().string());
  }
}

}  // namespace

int ComNumberOfLinkName(std::string_view name) {
  if (!name.starts_with(kComPrefix)) return 0;
  return ComNumberOfDigits(name.substr(kComPrefix.size()));
}

LinuxPortTable::LinuxPortTable(fs::path devRoot, fs::path sysTtyRoot)
    : devRoot_(std::move(devRoot)), sysTtyRoot_(std::move(sysTtyRoot)) {}

std::string LinuxPortTable::UartPath(int comNumber) const {
  const std::string name = std::string(kUartPrefix) + std::to_string(comNumber - 1);
  const fs::path device = devRoot_ / name;
  std::error_code ec;
  if (!fs::is_character_file(fs::status(device, ec))) return {};
  // The serial driver creates nodes for addresses with no UART behind them;
  // sysfs tells those apart. Without sysfs the node is taken as it is.
  std::ifstream typeFile(sysTtyRoot_ / name / "type");
  int type = -1;
  if (typeFile >> type && type == kUnknownUartType) return {};
  return device.string();
}

std::string LinuxPortTable::DevicePath(int comNumber) const {
  if (comNumber < kMinComNumber || comNumber > kMaxComNumber) return {};
  const fs::path link = PortLinkPath(comNumber);
  if (IsLink(link)) return LinkedDevice(link);
  return UartPath(comNumber);
}

std::string LinuxPortTable::MissingReason(int comNumber) const {
  if (comNumber < kMinComNumber || comNumber > kMaxComNumber) return {};
  const fs::path link = PortLinkPath(comNumber);
  if (!IsLink(link) || !LinkedDevice(link).empty()) return {};
  std::error_code ec;
  const std::string name = "COM" + std::to_string(comNumber);
  if (!fs::exists(fs::status(link, ec))) return "the link " + name + " points at a missing device";
  return "the link " + name + " points at something that is not a serial device";
}

std::vector<PortEntry> LinuxPortTable::PresentPorts() const {
  std::map<int, PortEntry> byNumber;
  std::set<int> linked;
  const fs::path portsDirectory = PortsDirectory();
  ForEachName(portsDirectory, [&](const std::string& name) {
    const int n = ComNumberOfLinkName(name);
    if (n == 0 || !IsLink(portsDirectory / name)) return;
    linked.insert(n);
    if (std::string device = LinkedDevice(portsDirectory / name); !device.empty()) {
      byNumber[n] = PortEntry{n, std::move(device), true};
    }
  });
  ForEachName(devRoot_, [&](const std::string& name) {
    if (!name.starts_with(kUartPrefix)) return;
    const int k = CanonicalNumber(std::string_view(name).substr(kUartPrefix.size()));
    if (k < 0 || k + 1 > kMaxComNumber || linked.contains(k + 1)) return;
    if (std::string path = UartPath(k + 1); !path.empty()) {
      byNumber[k + 1] = PortEntry{k + 1, std::move(path), false};
    }
  });
  std::vector<PortEntry> ports;
  ports.reserve(byNumber.size());
  for (auto& [n, port] : byNumber) ports.push_back(std::move(port));
  return ports;
}

FixedPortTable::FixedPortTable(int comNumber, std::string devicePath)
    : entry_{comNumber, std::move(devicePath), false} {}

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
