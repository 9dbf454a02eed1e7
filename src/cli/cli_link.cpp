#include "cli/cli_link.h"

#include "bus/bus_link.h"
#include "bus/posix_serial_port.h"
#include "cli/cli_args.h"
#include "cli/failure_report.h"
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
  devices_ = std::make_unique<PosixSerialPortFactory>(*table_);
  ports_ = std::make_unique<StoppablePortFactory>(*devices_, stop_);
  TheBusLink().Attach(ports_.get(), &clock_);
}

CliLink::~CliLink() { TheBusLink().Detach(); }

bool CliLink::Open(std::string& error) {
  if (BusOpen(comNumber_, kDefaultReadTimeoutMs, kBaudRate) == kBusOk) return true;
  error = PortOpenMessage(TheBusLink().LastOpenError(), name_, ports_->DeviceName(comNumber_),
                          table_->MissingReason(comNumber_));
  BusClose();
  return false;
}

void CliLink::Close() { BusClose(); }

int CliLink::Fail(const std::string& reason, const std::string& whenStopped) {
  Close();
  if (!Stopped()) return ReportFailure(reason);
  ReportFailure(std::string("stopped by ") + stop_.Name() +
                (whenStopped.empty() ? "" : "; " + whenStopped));
  return stop_.ExitStatus();
}

int CliLink::Fail(const EngineOutcome& outcome, const std::string& whenStopped) {
  return Fail(OutcomeText(outcome), whenStopped);
}

}  // namespace tarnwick::cli
