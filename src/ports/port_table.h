#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

inline constexpr int kMinComNumber = 1;
inline constexpr int kMaxComNumber = 256;

// One present port: the console's COM number and the device that opens it.
struct PortEntry {
  int comNumber = 0;
  std::string devicePath;
  // Published in the ports directory (a simulator or another program's pty),
  // not a device of the machine.
  bool virtualPort = false;

  friend bool operator==(const PortEntry&, const PortEntry&) = default;
};

// Maps COM numbers to devices. Each call looks at the machine as it is now,
// so ports that came or went since the last call are seen.
class PortTable {
 public:
  virtual ~PortTable() = default;
  // Empty when COM<n> is not present.
  virtual std::string DevicePath(int comNumber) const = 0;
  // Why COM<n> has no device although something names it, for messages;
  // empty when nothing names it.
  virtual std::string MissingReason(int comNumber) const = 0;
  // Each present COM number once, in ascending order.
  virtual std::vector<PortEntry> PresentPorts() const = 0;
};

// The ports of a Linux machine: the links COM<n> in PortsDirectory() that point
// at a character device, and the serial UARTs /dev/ttyS<k> as COM<k+1>. A
// published link wins over a UART with the same number: whoever published it
// meant that number, so a link that points at nothing leaves its number
// without a device rather than sending its frames to the UART.
class LinuxPortTable final : public PortTable {
 public:
  // The roots are parameters so tests can give a temporary tree.
  explicit LinuxPortTable(std::filesystem::path devRoot = "/dev",
                          std::filesystem::path sysTtyRoot = "/sys/class/tty");

  std::string DevicePath(int comNumber) const override;
  std::string MissingReason(int comNumber) const override;
  std::vector<PortEntry> PresentPorts() const override;

 private:
  std::string UartPath(int comNumber) const;

  std::filesystem::path devRoot_;
  std::filesystem::path sysTtyRoot_;
};

// One COM number bound to one device, for a command line that names the device.
class FixedPortTable final : public PortTable {
 public:
  FixedPortTable(int comNumber, std::string devicePath);

  std::string DevicePath(int comNumber) const override;
  std::string MissingReason(int) const override { return {}; }
  std::vector<PortEntry> PresentPorts() const override;

 private:
  PortEntry entry_;
};

// A port as given on a command line: "COM3" (any case) or a device path.
struct PortArgument {
  int comNumber = 0;       // set for COM<n>
  std::string devicePath;  // set for a path
  std::string error;       // why the text names no port; empty when it does
};

PortArgument ParsePortArgument(std::string_view text);

// "COM<n>" exactly, n in 1..256; 0 for anything else.
int ComNumberOfLinkName(std::string_view name);

}  // namespace tarnwick
