#include "pty_pair.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace tarnwick::testing {
namespace {

constexpr int kPendingWaitMs = 5000;

}  // namespace

PtyPair::PtyPair() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
  if (const char* name = ptsname(master_)) slavePath_ = name;
  heldSlave_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
}

PtyPair::~PtyPair() { HangUp(); }

void PtyPair::WriteToDevice(const std::vector<std::uint8_t>& bytes) const {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

std::vector<std::uint8_t> PtyPair::ReadFromDevice(std::size_t count, int waitMs) const {
  std::vector<std::uint8_t> bytes(count);
  std::size_t done = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
  while (done < count) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd watched{master_, POLLIN, 0};
    if (left.count() <= 0 || poll(&watched, 1, static_cast<int>(left.count())) <= 0) break;
    const ssize_t n = ::read(master_, bytes.data() + done, count - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  bytes.resize(done);
  return bytes;
}

int PtyPair::PendingForPort() const {
  int pending = -1;
  return ioctl(heldSlave_, FIONREAD, &pending) == 0 ? pending : -1;
}

bool PtyPair::WaitPendingForPort(int count) const {
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(kPendingWaitMs);
  while (PendingForPort() != count) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

void PtyPair::HangUp() {
  if (master_ >= 0) ::close(master_);
  if (heldSlave_ >= 0) ::close(heldSlave_);
  master_ = heldSlave_ = -1;
}

}  // namespace tarnwick::testing
