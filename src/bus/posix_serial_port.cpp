#include "bus/posix_serial_port.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>

namespace tarnwick {
namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr std::array<std::pair<std::uint32_t, speed_t>, 8> kSpeeds{{
    {1200, B1200},
    {2400, B2400},
    {4800, B4800},
    {9600, B9600},
    {19200, B19200},
    {38400, B38400},
    {57600, B57600},
    {115200, B115200},
}};

PortError PortErrorOf(int error) {
  switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
      return PortError::kNotFound;
    case EBUSY:
    case EWOULDBLOCK:
      return PortError::kBusy;
    case EACCES:
    case EPERM:
      return PortError::kPermission;
    case ENOTTY:
    case EISDIR:
      return PortError::kNotSerial;
    default:
      return PortError::kIo;
  }
}

// The failure the system reported in `error` (an errno value).
PortStatus SystemFailure(int error) {
  return PortStatus::Failed(PortErrorOf(error), std::strerror(error));
}
PortStatus LastSystemFailure() { return SystemFailure(errno); }
PortStatus Closed() { return PortStatus::Failed(PortError::kIo, "the port is closed"); }
PortStatus CheckedSystemCall(int result) {
  return result == 0 ? PortStatus::Ok() : LastSystemFailure();
}

bool IsWouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK; }

// What a transfer that ended early reports: the bytes it moved, or the
// failure `error` when it moved none.
PortTransfer MovedOrFailed(std::size_t moved, int error) {
  if (moved > 0) return {moved, PortStatus::Ok()};
  return {0, SystemFailure(error)};
}

// USB adapters hold received bytes back for up to 16 ms unless told otherwise,
// which would add that much to every reply. Drivers without the setting (and
// pseudo-terminals) refuse, and keep their default.
void RequestLowLatency(int fd) {
  serial_struct info{};
  if (ioctl(fd, TIOCGSERIAL, &info) != 0 || (info.flags & ASYNC_LOW_LATENCY) != 0) return;
  info.flags |= ASYNC_LOW_LATENCY;
  ioctl(fd, TIOCSSERIAL, &info);
}

// Waits until `fd` is ready for `events` or `deadline` has passed. Returns the
// events seen, 0 when the deadline passed, -1 when waiting failed.
int WaitUntil(int fd, short events, SteadyClock::time_point deadline) {
  for (;;) {
    const auto left = deadline - SteadyClock::now();
    if (left <= SteadyClock::duration::zero()) return 0;
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
    const timespec timeout{
        static_cast<time_t>(seconds.count()),
        static_cast<long>(
            std::chrono::duration_cast<std::chrono::nanoseconds>(left - seconds).count())};
    pollfd watched{fd, events, 0};
    const int ready = ppoll(&watched, 1, &timeout, nullptr);
    if (ready > 0) return watched.revents;
    if (ready == 0) return 0;
    if (errno != EINTR) return -1;
  }
}

constexpr short kHangUpEvents = POLLHUP | POLLERR | POLLNVAL;

}  // namespace

std::unique_ptr<PosixSerialPort> PosixSerialPort::Open(const std::string& path,
                                                       PortStatus& status) {
  int fd = -1;
  do {
    fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    status = LastSystemFailure();
    return nullptr;
  }
  std::unique_ptr<PosixSerialPort> port(new PosixSerialPort(fd));

  termios settings{};
  if (tcgetattr(fd, &settings) != 0) {
    status = LastSystemFailure();
    return nullptr;
  }
  // The terminal's own lock does not hold root back, the file lock does; the
  // terminal lock also keeps out programs that do not take file locks.
  int locked = -1;
  do {
    locked = flock(fd, LOCK_EX | LOCK_NB);
  } while (locked != 0 && errno == EINTR);
  if (locked != 0 || ioctl(fd, TIOCEXCL) != 0) {
    status = LastSystemFailure();
    return nullptr;
  }
  port->exclusive_ = true;
  RequestLowLatency(fd);
  status = PortStatus::Ok();
  return port;
}

PosixSerialPort::~PosixSerialPort() { Close(); }

PortStatus PosixSerialPort::SetLineSettings(std::uint32_t baud) {
  const auto known = std::find_if(kSpeeds.begin(), kSpeeds.end(),
                                  [baud](const auto& entry) { return entry.first == baud; });
  if (fd_ < 0) return Closed();
  if (known == kSpeeds.end()) return SystemFailure(EINVAL);
  const speed_t speed = known->second;

  termios settings{};
  if (tcgetattr(fd_, &settings) != 0) return LastSystemFailure();
  cfmakeraw(&settings);
  settings.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
  settings.c_cflag |= CS8 | CLOCAL | CREAD;
  settings.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
  // Reads never wait inside the driver: the total time-out is kept by poll.
  settings.c_cc[VMIN] = 0;
  settings.c_cc[VTIME] = 0;
  if (cfsetispeed(&settings, speed) != 0 || cfsetospeed(&settings, speed) != 0) {
    return LastSystemFailure();
  }
  int applied = -1;
  do {
    applied = tcsetattr(fd_, TCSANOW, &settings);
  } while (applied != 0 && errno == EINTR);
  if (applied != 0) return LastSystemFailure();

  // tcsetattr succeeds when any part of the request was taken; the rest must
  // be checked by reading the settings back.
  termios actual{};
  if (tcgetattr(fd_, &actual) != 0) return LastSystemFailure();
  if (cfgetospeed(&actual) != speed || (actual.c_cflag & (CSIZE | PARENB | CSTOPB)) != CS8) {
    return PortStatus::Failed(PortError::kSettings, "the driver did not take 9600 baud, 8N1");
  }
  return PortStatus::Ok();
}

PortStatus PosixSerialPort::RaiseDtr() {
  if (fd_ < 0) return Closed();
  const int dtr = TIOCM_DTR;
  if (ioctl(fd_, TIOCMBIS, &dtr) == 0) return PortStatus::Ok();
  // A pseudo-terminal has no modem lines, so there is nothing to raise.
  if (errno == ENOTTY || errno == EINVAL) return PortStatus::Ok();
  return LastSystemFailure();
}

PortStatus PosixSerialPort::SetTimeouts(int readTotalMs, int writeTotalMs) {
  if (readTotalMs < 0 || writeTotalMs < 0) return SystemFailure(EINVAL);
  readTotalMs_ = readTotalMs;
  writeTotalMs_ = writeTotalMs;
  return PortStatus::Ok();
}

// A terminal keeps no error state that blocks further transfers; what can be
// checked is that the device is still there.
PortStatus PosixSerialPort::ClearErrors() {
  if (fd_ < 0) return Closed();
  termios settings{};
  return CheckedSystemCall(tcgetattr(fd_, &settings));
}

PortStatus PosixSerialPort::PurgeBuffers() {
  if (fd_ < 0) return Closed();
  return CheckedSystemCall(tcflush(fd_, TCIOFLUSH));
}

PortTransfer PosixSerialPort::Write(const std::uint8_t* data, std::size_t count) {
  if (fd_ < 0) return {0, Closed()};
  const auto deadline = SteadyClock::now() + std::chrono::milliseconds(writeTotalMs_);
  std::size_t written = 0;
  while (written < count) {
    const ssize_t n = ::write(fd_, data + written, count - written);
    if (n > 0) {
      written += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && !IsWouldBlock(errno)) return MovedOrFailed(written, errno);
    const int events = WaitUntil(fd_, POLLOUT, deadline);
    if (events < 0) return MovedOrFailed(written, errno);
    if ((events & kHangUpEvents) != 0) return MovedOrFailed(written, EIO);
    if (events == 0) break;
  }
  return {written, PortStatus::Ok()};
}

PortTransfer PosixSerialPort::Read(std::uint8_t* data, std::size_t count) {
  if (fd_ < 0) return {0, Closed()};
  const auto deadline = SteadyClock::now() + std::chrono::milliseconds(readTotalMs_);
  std::size_t received = 0;
  bool hungUp = false;
  while (received < count) {
    // With VMIN and VTIME 0 an empty terminal reads as 0 bytes, not EAGAIN.
    const ssize_t n = ::read(fd_, data + received, count - received);
    if (n > 0) {
      received += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    // EIO: the device went away, or the other end of a pseudo-terminal closed.
    if (n < 0 && !IsWouldBlock(errno)) return MovedOrFailed(received, errno);
    // After a hang-up the one read above has taken what was still buffered.
    if (hungUp) return MovedOrFailed(received, EIO);
    const int events = WaitUntil(fd_, POLLIN, deadline);
    if (events < 0) return MovedOrFailed(received, errno);
    if (events == 0) break;
    hungUp = (events & kHangUpEvents) != 0;
  }
  return {received, PortStatus::Ok()};
}

PortStatus PosixSerialPort::Close() {
  if (fd_ < 0) return PortStatus::Ok();
  // The terminal's lock outlives this descriptor while anyone else holds the
  // device open (the simulator holds its pseudo-terminal), and would keep every
  // later open by a normal user out.
  if (exclusive_) ioctl(fd_, TIOCNXCL);
  const int closed = ::close(fd_);
  const int error = errno;
  fd_ = -1;
  exclusive_ = false;
  // Linux releases the descriptor even when close is interrupted.
  return closed == 0 || error == EINTR ? PortStatus::Ok() : SystemFailure(error);
}

std::unique_ptr<SerialPort> OpenSerialDevice(const std::string& path, PortStatus& status) {
  return PosixSerialPort::Open(path, status);
}

}  // namespace tarnwick
