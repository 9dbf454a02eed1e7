#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

inline constexpr int kMinComNumber = 1;
inline constexpr int kMaxComNumber = 256;

// One present port: the console's COM number and the device that opens it.
struct PortEntry {
  int comNumber = 0;
  std::string devicePath{};
  // Published in the ports directory (a simulator or another program's pty),
  // not a device of the machine.
  bool virtualPort = false;
  // The name the port is published under: the kernel driver and the device
  // ("ftdi_sio ttyUSB0"), or for a published link one with "VCP" in it.
  std::string publishedName{};
  // What the device tells of itself; empty where it tells nothing.
  std::string vendor{};
  std::string product{};
  std::string serial{};

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

class PortNumberMemory;
class SerialDeviceSource;
struct UserPlaces;

// The ports of a Linux machine: its serial devices, numbered as NumberDevices
// (device_numbering.h) tells, and the links COM<n> in the ports directory. A
// published link wins over a device with the same number: whoever published
// it meant that number, so a link that points at nothing leaves its number
// without a device rather than sending its frames to the device.
class LinuxPortTable final : public PortTable {
 public:
  // The machine's devices through libudev, their numbers remembered in
  // `places`' number file, warnings about that file on stderr, the links of
  // `places`' ports directory.
  explicit LinuxPortTable(const UserPlaces& places);
  // `devices` is a parameter so tests can give their own.
  LinuxPortTable(std::shared_ptr<SerialDeviceSource> devices, std::filesystem::path portsDirectory,
                 std::filesystem::path numberFile, std::ostream& warnings);
  ~LinuxPortTable() override;
  LinuxPortTable(const LinuxPortTable&) = delete;
  LinuxPortTable& operator=(const LinuxPortTable&) = delete;

  std::string DevicePath(int comNumber) const override;
  std::string MissingReason(int comNumber) const override;
  std::vector<PortEntry> PresentPorts() const override;

  // The present ports in the machine's own order, which stays the same while
  // nothing comes or goes: the devices as the device manager lists them, then
  // the published links in directory order.
  std::vector<PortEntry> PortsInListOrder() const;
  // The numbers a newly published port should leave alone: those of present
  // ports, and those remembered for adapters that are unplugged now.
  std::set<int> NumbersInUse() const;
  const std::filesystem::path& PortsDirectory() const { return portsDirectory_; }

 private:
  std::shared_ptr<SerialDeviceSource> devices_;
  std::filesystem::path portsDirectory_;
  // Numbering a device seen for the first time is remembering, not a change
  // of what the table means, so the const queries may do it.
  std::unique_ptr<PortNumberMemory> memory_;
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
