#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

namespace tarnwick {

// Why a port operation failed. The console shows one message for a port that
// cannot be opened and says why on a second line; the command line says why
// in detail.
enum class PortError {
  kNone,
  kNotFound,    // no such COM number or device node
  kBusy,        // opened by another program
  kPermission,  // the user may not open the device
  kNotSerial,   // the device is not a terminal
  kSettings,    // the line settings were refused
  kIo,          // any other failure of the platform, a device that went away included
};

// How a port operation ended: `error` kNone on success, else its kind and the
// system's own text for it ("No such file or directory"), for messages.
struct PortStatus {
  PortError error = PortError::kNone;
  std::string systemText;

  bool ok() const { return error == PortError::kNone; }
  static PortStatus Ok() { return {}; }
  static PortStatus Failed(PortError error, std::string systemText) {
    return {error, std::move(systemText)};
  }
};

// A read or write: the bytes moved, and the failure of the call when it moved
// none because it failed.
struct PortTransfer {
  std::size_t count = 0;
  PortStatus status;
};

// One open serial device. All calls block; none allocates on success.
class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // Raw 8 data bits, no parity, one stop bit, no flow control, at `baud` bit/s.
  virtual PortStatus SetLineSettings(std::uint32_t baud) = 0;
  // Raises DTR; a device without modem lines counts as raised.
  virtual PortStatus RaiseDtr() = 0;
  // Total time in milliseconds a Read may take, and a Write may take, from the
  // call's start.
  virtual PortStatus SetTimeouts(int readTotalMs, int writeTotalMs) = 0;
  virtual PortStatus ClearErrors() = 0;
  // Discards whatever waits in the transmit and receive buffers.
  virtual PortStatus PurgeBuffers() = 0;
  // Returns when all `count` bytes are written or the write time-out has passed.
  virtual PortTransfer Write(const std::uint8_t* data, std::size_t count) = 0;
  // Returns when `count` bytes have arrived or the read time-out has passed
  // since the call began. A hang-up ends the read at once with what has
  // arrived.
  virtual PortTransfer Read(std::uint8_t* data, std::size_t count) = 0;
  virtual PortStatus Close() = 0;
};

// Opens COM<n> exclusively: a second open of the same port fails with kBusy.
class SerialPortFactory {
 public:
  virtual ~SerialPortFactory() = default;
  // `comNumber` is the n of COM<n>; on failure nothing is returned and
  // `status` says why.
  virtual std::unique_ptr<SerialPort> Open(int comNumber, PortStatus& status) = 0;
  // The device behind COM<n> as the platform names it ("/dev/ttyUSB0"), for
  // messages; empty when the number is unknown.
  virtual std::string DeviceName(int comNumber) const = 0;
};

// Opens the serial device at `path` ("/dev/ttyUSB0", "\\.\COM3") exclusively,
// with the platform's backend.
std::unique_ptr<SerialPort> OpenSerialDevice(const std::string& path, PortStatus& status);

}  // namespace tarnwick
