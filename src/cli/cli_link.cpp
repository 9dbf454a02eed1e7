#include "cli/cli_link.h"

#include "bus/bus_link.h"
#include "bus/posix_serial_port.h"
#include "cli/cli_args.h"
#include "cli/port_messages.h"

namespace tarnwick::cli {
namespace {

constexpr int kBaudRate = 9600;
// A device path given on the command line is reached as this COM number.
constexpr int kPathComNumber = 1;

}  // namespace

CliLink::CliLink(const std::string& portArgument) {
  const PortArgument port = ParsePortArgument(portArgument);
  if (!port.error.empty()) throw UsageError(port.error);
  if (port.devicePath.empty()) {
    name_ = "COM" + std::to_string(port.comNumber);
    comNumber_ = port.comNumber;
    table_ = std::make_unique<LinuxPortTable>();
  } else {
    name_ = port.devicePath;
    comNumber_ = kPathComNumber;
    table_ = std::make_unique<FixedPortTable>(kPathComNumber, port.devicePath);
  }
  factory_ = std::make_unique<PosixSerialPortFactory>(*table_);
  TheBusLink().Attach(factory_.get(), &clock_);
}

CliLink::~CliLink() { TheBusLink().Detach(); }

bool CliLink::Open(std::string& error) {
  if (BusOpen(comNumber_, kDefaultReadTimeoutMs, kBaudRate) == kBusOk) return true;
  error = PortOpenMessage(TheBusLink().LastOpenError(), name_, factory_->DeviceName(comNumber_));
  BusClose();
  return false;
}

void CliLink::Close() { BusClose(); }

}  // namespace tarnwick::cli
