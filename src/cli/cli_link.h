#pragma once

#include <memory>
#include <string>

#include "bus/clock.h"
#include "bus/serial_port.h"
#include "ports/port_table.h"

namespace tarnwick::cli {

// The port a command works on, as the user named it ("COM3" or a device
// path), and the real clock; attaches the process-wide link to them for the
// lifetime of this object.
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

 private:
  std::string name_;
  int comNumber_ = 0;
  std::unique_ptr<PortTable> table_;
  std::unique_ptr<SerialPortFactory> factory_;
  SteadyClock clock_;
};

}  // namespace tarnwick::cli
