#include "cli/cli_link.h"

#include "cli/cli_args.h"
#include "cli/failure_report.h"
#include "cli/frame_trace.h"
#include "cli/port_messages.h"
#include "ports/system_port_table.h"

namespace tarnwick::cli {
namespace {

// A device path given on the command line is reached as this COM number.
constexpr int kPathComNumber = 1;

PortArgument ParsedPort(const std::string& text) {
  PortArgument port = ParsePortArgument(text);
  if (!port.error.empty()) throw UsageError(port.error);
  return port;
}

std::unique_ptr<PortTable> TableFor(const PortArgument& port, const UserPlaces& places) {
  if (port.devicePath.empty()) return MakeSystemPortTable(places);
  return std::make_unique<FixedPortTable>(kPathComNumber, port.devicePath);
}

}  // namespace

CliLink::CliLink(const std::string& portArgument, const CliContext& context)
    : CliLink(ParsedPort(portArgument), context) {}

CliLink::CliLink(const PortArgument& port, const CliContext& context)
    : name_(port.devicePath.empty() ? "COM" + std::to_string(port.comNumber) : port.devicePath),
      comNumber_(port.devicePath.empty() ? port.comNumber : kPathComNumber),
      table_(TableFor(port, context.places)) {
  if (context.traceFrames) bus_.SetFrameLogger(StderrFrameTrace());
}

bool CliLink::Open(std::string& error) {
  if (bus_.Open(comNumber_, kDefaultReadTimeoutMs, kBusBaudRate) == BusResult::kOk) return true;
  error = OpenFailure();
  bus_.Close();
  return false;
}

std::string CliLink::OpenFailure() const {
  return PortOpenMessage(bus_.LastPortStatus(), name_, bus_.DeviceName(comNumber_));
}

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
