#pragma once

#include <memory>
#include <string>

#include "bus/serial_port.h"

namespace tarnwick {

class PortTable;

// A terminal device opened through termios, with total time-outs kept on the
// monotonic clock. Works on UARTs, USB adapters and pseudo-terminals alike.
class PosixSerialPort final : public SerialPort {
 public:
  // Opens `path` exclusively. A second open of the same device fails with
  // kBusy, also for root, who is not held back by the terminal's own lock.
  static std::unique_ptr<PosixSerialPort> Open(const std::string& path, PortError& error);

  PosixSerialPort(const PosixSerialPort&) = delete;
  PosixSerialPort& operator=(const PosixSerialPort&) = delete;
  ~PosixSerialPort() override;

  bool SetLineSettings(std::uint32_t baud) override;
  bool RaiseDtr() override;
  bool SetTimeouts(int readTotalMs, int writeTotalMs) override;
  bool ClearErrors() override;
  bool PurgeBuffers() override;
  long Write(const std::uint8_t* data, std::size_t count) override;
  long Read(std::uint8_t* data, std::size_t count) override;
  bool Close() override;

 private:
  explicit PosixSerialPort(int fd) : fd_(fd) {}

  int fd_;
  bool exclusive_ = false;
  int readTotalMs_ = 0;
  int writeTotalMs_ = 0;
};

// Opens COM<n> at the device the port table maps it to.
class PosixSerialPortFactory final : public SerialPortFactory {
 public:
  explicit PosixSerialPortFactory(const PortTable& table) : table_(table) {}

  std::unique_ptr<SerialPort> Open(int comNumber, PortError& error) override;
  std::string DeviceName(int comNumber) const override;

 private:
  const PortTable& table_;
};

}  // namespace tarnwick
