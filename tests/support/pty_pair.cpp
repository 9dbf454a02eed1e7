#include "support/pty_pair.h"

#include <fcntl.h>
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

bool PtyPair::WriteToDevice(const std::vector<std::uint8_t>& bytes) const {
  return ::write(master_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

bool PtyPair::WaitPendingForPort(int count) const {
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(kPendingWaitMs);
  int pending = -1;
  while (ioctl(heldSlave_, FIONREAD, &pending) != 0 || pending != count) {
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
