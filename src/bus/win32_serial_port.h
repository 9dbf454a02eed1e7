#pragma once

#include <memory>
#include <string>

#include "bus/serial_port.h"

namespace tarnwick {

// A COM port through the Win32 communications calls; the driver keeps the
// total time-outs itself.
class Win32SerialPort final : public SerialPort {
 public:
  // Opens COM<n> exclusively (no sharing), for synchronous I/O.
  static std::unique_ptr<Win32SerialPort> Open(int comNumber, PortError& error);

  Win32SerialPort(const Win32SerialPort&) = delete;
  Win32SerialPort& operator=(const Win32SerialPort&) = delete;
  ~Win32SerialPort() override;

  bool SetLineSettings(std::uint32_t baud) override;
  bool RaiseDtr() override;
  bool SetTimeouts(int readTotalMs, int writeTotalMs) override;
  bool ClearErrors() override;
  bool PurgeBuffers() override;
  long Write(const std::uint8_t* data, std::size_t count) override;
  long Read(std::uint8_t* data, std::size_t count) override;
  bool Close() override;

 private:
  explicit Win32SerialPort(void* handle) : handle_(handle) {}

  // A Win32 HANDLE; kept as void* so that includers need not see <windows.h>.
  void* handle_;
};

class Win32SerialPortFactory final : public SerialPortFactory {
 public:
  std::unique_ptr<SerialPort> Open(int comNumber, PortError& error) override;
  // "COM<n>": Windows names its ports by number.
  std::string DeviceName(int comNumber) const override;
};

}  // namespace tarnwick
