#pragma once

#include <memory>
#include <string>

#include "bus/serial_port.h"

namespace tarnwick {

// A COM port through the Win32 communications calls; the driver keeps the
// total time-outs itself.
class Win32SerialPort final : public SerialPort {
 public:
  // Opens the device at `path` ("\\.\COM12") exclusively (no sharing), for
  // synchronous I/O.
  static std::unique_ptr<Win32SerialPort> Open(const std::string& path, PortStatus& status);

  Win32SerialPort(const Win32SerialPort&) = delete;
  Win32SerialPort& operator=(const Win32SerialPort&) = delete;
  ~Win32SerialPort() override;

  PortStatus SetLineSettings(std::uint32_t baud) override;
  PortStatus RaiseDtr() override;
  PortStatus SetTimeouts(int readTotalMs, int writeTotalMs) override;
  PortStatus ClearErrors() override;
  PortStatus PurgeBuffers() override;
  PortTransfer Write(const std::uint8_t* data, std::size_t count) override;
  PortTransfer Read(std::uint8_t* data, std::size_t count) override;
  PortStatus Close() override;

 private:
  explicit Win32SerialPort(void* handle) : handle_(handle) {}

  // A Win32 HANDLE; kept as void* so that includers need not see <windows.h>.
  void* handle_;
};

}  // namespace tarnwick
