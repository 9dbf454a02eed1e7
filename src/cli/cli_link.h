#pragma once

#include <memory>
#include <string>

#include "bus/bus_link.h"
#include "cli/cli_context.h"
#include "cli/stop_signal.h"
#include "cli/stoppable_port.h"
#include "device/engine_observer.h"
#include "ports/com_port_factory.h"
#include "ports/port_table.h"

namespace tarnwick::cli {

// The link of one command: the port as the user named it ("COM3" or a device
// path), the real clock, and from construction on Ctrl-C and SIGTERM stopping
// the command within the exchange under way (see StopSignal).
class CliLink {
 public:
  // Throws UsageError for a text that names no port.
  CliLink(const std::string& portArgument, const CliContext& context);
  CliLink(const CliLink&) = delete;
  CliLink& operator=(const CliLink&) = delete;

  // What the engines talk through.
  BusLink& bus() { return bus_; }
  // The n of COM<n> the link opens (a device path is reached as COM1).
  int comNumber() const { return comNumber_; }
  const std::string& name() const { return name_; }

  // Opens the link at 9600 baud; on failure `error` holds the one-line reason.
  bool Open(std::string& error);
  void Close() { bus_.Close(); }
  // Why the last open failed, in the technician's words.
  std::string OpenFailure() const;

  // Ctrl-C or SIGTERM asked the command to stop.
  bool Stopped() const { return stop_.Requested(); }
  StopSignal& stop() { return stop_; }
  // A request that changes a device's stored values has gone out.
  bool SentWrites() const { return ports_.SentWrites(); }

  // Ends a command whose device work failed: with the stop's exit status (130
  // or 143) and "stopped by Ctrl-C" followed by `whenStopped` when a stop ended
  // it, else with exit status 1 and `reason`. Closes the link.
  int Fail(const std::string& reason, const std::string& whenStopped = {});
  int Fail(const EngineOutcome& outcome, const std::string& whenStopped = {});

 private:
  CliLink(const PortArgument& port, const CliContext& context);

  std::string name_;
  int comNumber_ = 0;
  std::unique_ptr<PortTable> table_;
  StopSignal stop_;
  StoppableClock clock_{stop_};
  ComPortFactory devices_{*table_};
  StoppablePortFactory ports_{devices_, stop_};
  BusLink bus_{ports_, clock_};
};

}  // namespace tarnwick::cli
