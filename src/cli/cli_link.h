#pragma once

#include <memory>
#include <string>

#include "bus/clock.h"
#include "bus/serial_port.h"
#include "cli/stop_signal.h"
#include "cli/stoppable_port.h"
#include "device/engine_observer.h"
#include "ports/port_table.h"

namespace tarnwick::cli {

// The port a command works on, as the user named it ("COM3" or a device
// path), and the real clock; attaches the process-wide link to them for the
// lifetime of this object. From its construction on, Ctrl-C and SIGTERM stop
// the command within the exchange under way (see StopSignal).
class CliLink {
 public:
  explicit CliLink(const std::string& portArgument);
  CliLink(const CliLink&) = delete;
  CliLink& operator=(const CliLink&) = delete;
  ~CliLink();

  // Opens the link at 9600 baud; on failure `error` holds the one-line reason.
  bool Open(std::string& error);
  void Close();

  const std::string& name() const { return name_; }
  Clock& clock() { return clock_; }

  // Ctrl-C or SIGTERM asked the command to stop.
  bool Stopped() const { return stop_.Requested(); }
  StopSignal& stop() { return stop_; }
  // A request that changes a device's stored values has gone out.
  bool SentWrites() const { return ports_->SentWrites(); }

  // Ends a command whose device work failed: with the stop's exit status (130
  // or 143) and "stopped by Ctrl-C" followed by `whenStopped` when a stop ended
  // it, else with exit status 1 and `reason`. Closes the link.
  int Fail(const std::string& reason, const std::string& whenStopped = {});
  int Fail(const EngineOutcome& outcome, const std::string& whenStopped = {});

 private:
  std::string name_;
  int comNumber_ = 0;
  StopSignal stop_;
  StoppableClock clock_{stop_};
  std::unique_ptr<PortTable> table_;
  std::unique_ptr<SerialPortFactory> devices_;
  std::unique_ptr<StoppablePortFactory> ports_;
};

}  // namespace tarnwick::cli
