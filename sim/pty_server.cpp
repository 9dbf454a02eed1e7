#include "sim/pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace tarnwick {
namespace {

std::chrono::nanoseconds MonotonicNow() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

void SleepUntil(std::chrono::nanoseconds when) {
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(when);
  timespec target{};
  target.tv_sec = static_cast<time_t>(seconds.count());
  target.tv_nsec = static_cast<long>((when - seconds).count());
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &target, nullptr) == EINTR) {
  }
}

std::uint32_t BaudOf(speed_t speed) {
  switch (speed) {
    case B1200:
      return 1200;
    case B2400:
      return 2400;
    case B4800:
      return 4800;
    case B9600:
      return 9600;
    case B19200:
      return 19200;
    case B38400:
      return 38400;
    case B57600:
      return 57600;
    case B115200:
      return 115200;
    default:
      return 0;
  }
}

std::string ErrnoText(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

}  // namespace

PtyServer::PtyServer(SimBus& bus, LineTiming timing) : bus_(bus), line_(bus, timing) {}

PtyServer::~PtyServer() {
  if (slave_ >= 0) close(slave_);
  if (master_ >= 0) close(master_);
}

bool PtyServer::Open(std::string& error) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (master_ < 0) {
    error = ErrnoText("cannot open a pseudo-terminal");
    return false;
  }
  if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
    error = ErrnoText("cannot unlock the pseudo-terminal");
    return false;
  }
  const char* name = ptsname(master_);
  if (name == nullptr) {
    error = ErrnoText("cannot name the pseudo-terminal");
    return false;
  }
  devicePath_ = name;
  slave_ = open(name, O_RDWR | O_NOCTTY);
  if (slave_ < 0) {
    error = ErrnoText(("cannot open " + devicePath_).c_str());
    return false;
  }
  termios settings{};
  if (tcgetattr(slave_, &settings) == 0) {
    cfmakeraw(&settings);
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    tcsetattr(slave_, TCSANOW, &settings);
  }
  return true;
}

void PtyServer::UpdateBaudFromSlave() {
  termios settings{};
  if (tcgetattr(slave_, &settings) != 0) return;
  if (const std::uint32_t baud = BaudOf(cfgetospeed(&settings)); baud != 0) line_.SetBaud(baud);
}

bool PtyServer::TakeRequestBytes(std::string& error) {
  std::array<std::uint8_t, 256> chunk{};
  const ssize_t n = read(master_, chunk.data(), chunk.size());
  if (n < 0) {
    if (errno == EAGAIN || errno == EINTR) return true;
    error = ErrnoText("reading the pseudo-terminal failed");
    return false;
  }
  UpdateBaudFromSlave();
  line_.Send({chunk.data(), static_cast<std::size_t>(n)}, MonotonicNow());
  return true;
}

void PtyServer::SendDueBytes() {
  auto& incoming = line_.Incoming();
  const std::chrono::nanoseconds now = MonotonicNow();
  std::array<std::uint8_t, 256> due{};
  std::size_t count = 0;
  while (!incoming.empty() && incoming.front().arrival <= now && count < due.size()) {
    due[count++] = incoming.front().value;
    incoming.pop_front();
  }
  if (count == 0) return;
  // A full queue on the slave means nobody reads there; such bytes would be
  // lost on a real line too, so a failed write is not an error.
  [[maybe_unused]] const ssize_t written = write(master_, due.data(), count);
}

bool PtyServer::Serve(int stopFd, const std::function<void()>& whenIdle, std::string& error) {
  // Wake-ups on time: the default 50 µs of slack per sleep would add up.
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  std::array<pollfd, 2> fds{pollfd{stopFd, POLLIN, 0}, pollfd{master_, POLLIN, 0}};
  for (;;) {
    auto& incoming = line_.Incoming();
    int timeout = -1;
    if (!incoming.empty()) {
      if (incoming.front().arrival > MonotonicNow()) SleepUntil(incoming.front().arrival);
      SendDueBytes();
      timeout = 0;
    } else if (bus_.TakeStoredChanged()) {
      whenIdle();
    }
    if (poll(fds.data(), fds.size(), timeout) < 0) {
      if (errno == EINTR) continue;
      error = ErrnoText("poll failed");
      return false;
    }
    if (fds[0].revents != 0) return true;
    if ((fds[1].revents & POLLIN) != 0 && !TakeRequestBytes(error)) return false;
  }
}

}  // namespace tarnwick
