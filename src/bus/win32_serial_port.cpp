#include "bus/win32_serial_port.h"

#include <windows.h>

#include <limits>

namespace tarnwick {
namespace {

PortError PortErrorOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_UNIT:
    case ERROR_DEV_NOT_EXIST:
      return PortError::kNotFound;
    // An open COM port answers a second open with "access denied".
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      return PortError::kBusy;
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
      return PortError::kNotSerial;
    default:
      return PortError::kIo;
  }
}

// The system's text for `error`, without the line break Windows ends it with.
std::string SystemText(DWORD error) {
  char text[256] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, error, 0, text, sizeof text, nullptr);
  std::string message(text, length);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
  return message;
}

PortStatus LastSystemFailure() {
  const DWORD error = GetLastError();
  return PortStatus::Failed(PortErrorOf(error), SystemText(error));
}

PortStatus Checked(BOOL succeeded) { return succeeded ? PortStatus::Ok() : LastSystemFailure(); }

PortStatus Closed() { return PortStatus::Failed(PortError::kIo, "the port is closed"); }

// One ReadFile or WriteFile moves no more than the count it can report back.
// The parentheses keep <windows.h>'s max macro out.
DWORD ChunkOf(std::size_t count) {
  constexpr auto kLargest = static_cast<std::size_t>((std::numeric_limits<long>::max)());
  return static_cast<DWORD>(count > kLargest ? kLargest : count);
}

}  // namespace

std::unique_ptr<Win32SerialPort> Win32SerialPort::Open(const std::string& path,
                                                       PortStatus& status) {
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    status = LastSystemFailure();
    return nullptr;
  }
  status = PortStatus::Ok();
  return std::unique_ptr<Win32SerialPort>(new Win32SerialPort(handle));
}

Win32SerialPort::~Win32SerialPort() { Close(); }

PortStatus Win32SerialPort::SetLineSettings(std::uint32_t baud) {
  if (handle_ == INVALID_HANDLE_VALUE) return Closed();
  DCB dcb{};
  dcb.DCBlength = sizeof(DCB);
  if (!GetCommState(handle_, &dcb)) return LastSystemFailure();
  dcb.DCBlength = sizeof(DCB);
  dcb.BaudRate = baud;
  // Binary mode and nothing else: the driver neither drives DTR and RTS nor
  // watches CTS, DSR or XON/XOFF, replaces no characters and never aborts.
  dcb.fBinary = 1;
  dcb.fParity = 0;
  dcb.fOutxCtsFlow = 0;
  dcb.fOutxDsrFlow = 0;
  dcb.fDtrControl = DTR_CONTROL_DISABLE;
  dcb.fDsrSensitivity = 0;
  dcb.fTXContinueOnXoff = 0;
  dcb.fOutX = 0;
  dcb.fInX = 0;
  dcb.fErrorChar = 0;
  dcb.fNull = 0;
  dcb.fRtsControl = RTS_CONTROL_DISABLE;
  dcb.fAbortOnError = 0;
  dcb.ByteSize = 8;
  dcb.Parity = NOPARITY;
  dcb.StopBits = ONESTOPBIT;
  if (!SetCommState(handle_, &dcb)) {
    PortStatus failed = LastSystemFailure();
    failed.error = PortError::kSettings;
    return failed;
  }
  return PortStatus::Ok();
}

PortStatus Win32SerialPort::RaiseDtr() {
  if (handle_ == INVALID_HANDLE_VALUE) return Closed();
  return Checked(EscapeCommFunction(handle_, SETDTR));
}

PortStatus Win32SerialPort::SetTimeouts(int readTotalMs, int writeTotalMs) {
  if (handle_ == INVALID_HANDLE_VALUE) return Closed();
  if (readTotalMs < 0 || writeTotalMs < 0) {
    return PortStatus::Failed(PortError::kSettings, "negative time-out");
  }
  COMMTIMEOUTS timeouts{};
  timeouts.ReadIntervalTimeout = 0;
  timeouts.ReadTotalTimeoutMultiplier = 0;
  timeouts.ReadTotalTimeoutConstant = static_cast<DWORD>(readTotalMs);
  timeouts.WriteTotalTimeoutMultiplier = 0;
  timeouts.WriteTotalTimeoutConstant = static_cast<DWORD>(writeTotalMs);
  return Checked(SetCommTimeouts(handle_, &timeouts));
}

PortStatus Win32SerialPort::ClearErrors() {
  if (handle_ == INVALID_HANDLE_VALUE) return Closed();
  DWORD errors = 0;
  return Checked(ClearCommError(handle_, &errors, nullptr));
}

PortStatus Win32SerialPort::PurgeBuffers() {
  if (handle_ == INVALID_HANDLE_VALUE) return Closed();
  return Checked(PurgeComm(handle_, PURGE_TXCLEAR | PURGE_RXCLEAR));
}

PortTransfer Win32SerialPort::Write(const std::uint8_t* data, std::size_t count) {
  if (handle_ == INVALID_HANDLE_VALUE) return {0, Closed()};
  DWORD written = 0;
  if (!WriteFile(handle_, data, ChunkOf(count), &written, nullptr)) {
    return {0, LastSystemFailure()};
  }
  return {written, PortStatus::Ok()};
}

PortTransfer Win32SerialPort::Read(std::uint8_t* data, std::size_t count) {
  if (handle_ == INVALID_HANDLE_VALUE) return {0, Closed()};
  DWORD received = 0;
  if (!ReadFile(handle_, data, ChunkOf(count), &received, nullptr)) {
    return {0, LastSystemFailure()};
  }
  return {received, PortStatus::Ok()};
}

PortStatus Win32SerialPort::Close() {
  if (handle_ == INVALID_HANDLE_VALUE) return PortStatus::Ok();
  const BOOL closed = CloseHandle(handle_);
  handle_ = INVALID_HANDLE_VALUE;
  return Checked(closed);
}

std::unique_ptr<SerialPort> OpenSerialDevice(const std::string& path, PortStatus& status) {
  return Win32SerialPort::Open(path, status);
}

}  // namespace tarnwick
