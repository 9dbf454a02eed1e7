#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace tarnwick {

// Why a port could not be opened; the console shows one message for all of
// them, the command line tells the technician which one it was.
enum class PortError {
  kNone,
  kNotFound,    // no such COM number or device node
  kBusy,        // opened by another program
  kPermission,  // the user may not open the device
  kNotSerial,   // the device is not a terminal
  kSettings,    // the line settings were refused
  kIo,          // any other failure of the platform
};

// One open serial device. All calls block; none allocates per call.
class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // Raw 8 data bits, no parity, one stop bit, no flow control, at `baud`.
  virtual bool SetLineSettings(std::uint32_t baud) = 0;
  // Raises DTR; a device without modem lines counts as raised.
  virtual bool RaiseDtr() = 0;
  // Total time a Read may take, and a Write may take, from the call's start.
  virtual bool SetTimeouts(int readTotalMs, int writeTotalMs) = 0;
  virtual bool ClearErrors() = 0;
  // Discards whatever waits in the transmit and receive buffers.
  virtual bool PurgeBuffers() = 0;
  // Returns the number of bytes written, or -1 when the write call failed.
  virtual long Write(const std::uint8_t* data, std::size_t count) = 0;
  // Returns when `count` bytes have arrived or the read time-out has passed
  // since the call began: the number of bytes received, or -1 when the read
  // call failed. A hang-up ends the read at once with what has arrived.
  virtual long Read(std::uint8_t* data, std::size_t count) = 0;
  virtual bool Close() = 0;
};

// Opens COM<n> exclusively: a second open of the same port fails with kBusy.
class SerialPortFactory {
 public:
  virtual ~SerialPortFactory() = default;
  virtual std::unique_ptr<SerialPort> Open(int comNumber, PortError& error) = 0;
  // The device behind COM<n> as the platform names it ("/dev/ttyUSB0"), for
  // messages; empty when the number is unknown.
  virtual std::string DeviceName(int comNumber) const = 0;
};

}  // namespace tarnwick
