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

// One ReadFile or WriteFile moves no more than the count it can report back.
// The parentheses keep <windows.h>'s max macro out.
DWORD ChunkOf(std::size_t count) {
  constexpr auto kLargest = static_cast<std::size_t>((std::numeric_limits<long>::max)());
  return static_cast<DWORD>(count > kLargest ? kLargest : count);
}

}  // namespace

std::unique_ptr<Win32SerialPort> Win32SerialPort::Open(int comNumber, PortError& error) {
  // The \\.\ form is needed from COM10 on and works for every number.
  const std::string path = "\\\\.\\COM" + std::to_string(comNumber);
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    error = PortErrorOf(GetLastError());
    return nullptr;
  }
  error = PortError::kNone;
  return std::unique_ptr<Win32SerialPort>(new Win32SerialPort(handle));
}

Win32SerialPort::~Win32SerialPort() { Close(); }

bool Win32SerialPort::SetLineSettings(std::uint32_t baud) {
  if (handle_ == INVALID_HANDLE_VALUE) return false;
  DCB dcb{};
  dcb.DCBlength = sizeof(DCB);
  if (!GetCommState(handle_, &dcb)) return false;
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
  return SetCommState(handle_, &dcb) != FALSE;
}

bool Win32SerialPort::RaiseDtr() {
  return handle_ != INVALID_HANDLE_VALUE && EscapeCommFunction(handle_, SETDTR) != FALSE;
}

bool Win32SerialPort::SetTimeouts(int readTotalMs, int writeTotalMs) {
  if (handle_ == INVALID_HANDLE_VALUE || readTotalMs < 0 || writeTotalMs < 0) return false;
  COMMTIMEOUTS timeouts{};
  timeouts.ReadIntervalTimeout = 0;
  timeouts.ReadTotalTimeoutMultiplier = 0;
  timeouts.ReadTotalTimeoutConstant = static_cast<DWORD>(readTotalMs);
  timeouts.WriteTotalTimeoutMultiplier = 0;
  timeouts.WriteTotalTimeoutConstant = static_cast<DWORD>(writeTotalMs);
  return SetCommTimeouts(handle_, &timeouts) != FALSE;
}

bool Win32SerialPort::ClearErrors() {
  DWORD errors = 0;
  return handle_ != INVALID_HANDLE_VALUE && ClearCommError(handle_, &errors, nullptr) != FALSE;
}

bool Win32SerialPort::PurgeBuffers() {
  return handle_ != INVALID_HANDLE_VALUE &&
         PurgeComm(handle_, PURGE_TXCLEAR | PURGE_RXCLEAR) != FALSE;
}

long Win32SerialPort::Write(const std::uint8_t* data, std::size_t count) {
  DWORD written = 0;
  if (handle_ == INVALID_HANDLE_VALUE ||
      !WriteFile(handle_, data, ChunkOf(count), &written, nullptr)) {
    return -1;
  }
  return static_cast<long>(written);
}

long Win32SerialPort::Read(std::uint8_t* data, std::size_t count) {
  DWORD received = 0;
  if (handle_ == INVALID_HANDLE_VALUE ||
      !ReadFile(handle_, data, ChunkOf(count), &received, nullptr)) {
    return -1;
  }
  return static_cast<long>(received);
}

bool Win32SerialPort::Close() {
  if (handle_ == INVALID_HANDLE_VALUE) return true;
  const BOOL closed = CloseHandle(handle_);
  handle_ = INVALID_HANDLE_VALUE;
  return closed != FALSE;
}

std::unique_ptr<SerialPort> Win32SerialPortFactory::Open(int comNumber, PortError& error) {
  return Win32SerialPort::Open(comNumber, error);
}

std::string Win32SerialPortFactory::DeviceName(int comNumber) const {
  return "COM" + std::to_string(comNumber);
}

}  // namespace tarnwick
