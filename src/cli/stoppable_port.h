#pragma once

#include <memory>
#include <string>

#include "bus/clock.h"
#include "bus/serial_port.h"
#include "cli/stop_signal.h"

namespace tarnwick::cli {

// Real time whose sleeps end as soon as Ctrl-C or SIGTERM asks the command to
// stop, so that no pause of a sequence outlasts the request.
class StoppableClock final : public Clock {
 public:
  explicit StoppableClock(StopSignal& stop) : stop_(stop) {}

  std::chrono::microseconds Now() const override;
  void Sleep(int milliseconds) override;

 private:
  StopSignal& stop_;
};

// Opens the ports of `ports`, whose every operation fails once a stop was
// asked for: an engine ends within the exchange that was under way, through
// its own failure path, and the command reports the stop instead.
class StoppablePortFactory final : public SerialPortFactory {
 public:
  StoppablePortFactory(SerialPortFactory& ports, const StopSignal& stop)
      : ports_(ports), stop_(stop) {}

  std::unique_ptr<SerialPort> Open(int comNumber, PortStatus& status) override;
  std::string DeviceName(int comNumber) const override { return ports_.DeviceName(comNumber); }

  // A request that changes values stored in a device went out on a port.
  bool SentWrites() const { return sentWrites_; }

 private:
  SerialPortFactory& ports_;
  const StopSignal& stop_;
  bool sentWrites_ = false;
};

}  // namespace tarnwick::cli
