#include "cli/stop_signal.h"

#include <poll.h>

#include <cerrno>
#include <ctime>

namespace tarnwick::cli {
namespace {

volatile sig_atomic_t stopSignal = 0;

extern "C" void OnStopSignal(int signal) { stopSignal = signal; }

sigset_t StopSignals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  return set;
}

}  // namespace

StopSignal::StopSignal() {
  stopSignal = 0;
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &previousInt_);
  sigaction(SIGTERM, &action, &previousTerm_);
  const sigset_t stop = StopSignals();
  sigprocmask(SIG_BLOCK, &stop, &previousMask_);
}

StopSignal::~StopSignal() {
  sigprocmask(SIG_SETMASK, &previousMask_, nullptr);
  sigaction(SIGINT, &previousInt_, nullptr);
  sigaction(SIGTERM, &previousTerm_, nullptr);
}

bool StopSignal::Requested() const { return stopSignal != 0; }

int StopSignal::Received() const { return stopSignal; }

const char* StopSignal::Name() const { return Received() == SIGTERM ? "SIGTERM" : "Ctrl-C"; }

bool StopSignal::WaitUntil(std::chrono::steady_clock::time_point deadline) {
  // ppoll lets the held-back signals in only while it waits, so one that
  // arrives just before the wait still ends it at once.
  sigset_t waiting = previousMask_;
  sigdelset(&waiting, SIGINT);
  sigdelset(&waiting, SIGTERM);
  while (!Requested()) {
    const auto left = deadline - std::chrono::steady_clock::now();
    if (left <= std::chrono::steady_clock::duration::zero()) return true;
    const auto nanos = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
    const timespec timeout{static_cast<time_t>(nanos / 1'000'000'000),
                           static_cast<long>(nanos % 1'000'000'000)};
    ppoll(nullptr, 0, &timeout, &waiting);
  }
  return false;
}

}  // namespace tarnwick::cli
