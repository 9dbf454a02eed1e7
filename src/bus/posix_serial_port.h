#pragma once

#include <memory>
#include <string>

#include "bus/serial_port.h"

namespace tarnwick {

// A terminal device opened through termios, with total time-outs kept on the
// monotonic clock. Works on UARTs, USB adapters and pseudo-terminals alike.
class PosixSerialPort final : public SerialPort {
 public:
  // Opens `path` exclusively. A second open of the same device fails with
  // kBusy, also for root, who is not held back by the terminal's own lock.
  static std::unique_ptr<PosixSerialPort> Open(const std::string& path, PortStatus& status);

  PosixSerialPort(const PosixSerialPort&) = delete;
  PosixSerialPort& operator=(const PosixSerialPort&) = delete;
  ~PosixSerialPort() override;

  PortStatus SetLineSettings(std::uint32_t baud) override;
  PortStatus RaiseDtr() override;
  PortStatus SetTimeouts(int readTotalMs, int writeTotalMs) override;
  PortStatus ClearErrors() override;
  PortStatus PurgeBuffers() override;
  PortTransfer Write(const std::uint8_t* data, std::size_t count) override;
  PortTransfer Read(std::uint8_t* data, std::size_t count) override;
  PortStatus Close() override;

 private:
  explicit PosixSerialPort(int fd) : fd_(fd) {}

  int fd_;
  bool exclusive_ = false;
  int readTotalMs_ = 0;
  int writeTotalMs_ = 0;
};

}  // namespace tarnwick
