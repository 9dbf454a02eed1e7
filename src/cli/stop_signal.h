#pragma once

#include <signal.h>

#include <chrono>

namespace tarnwick::cli {

// Ctrl-C (SIGINT) and SIGTERM as a request to stop. While an object lives,
// both signals are held back except inside WaitUntil, so a stop never cuts
// an exchange short and a signal that came during one is seen by the next wait
// (every exchange starts with one).
class StopSignal {
 public:
  StopSignal();
  StopSignal(const StopSignal&) = delete;
  StopSignal& operator=(const StopSignal&) = delete;
  ~StopSignal();

  bool Requested() const;
  // The signal that asked to stop, 0 while none did.
  int Received() const;
  // What a shell reports for a program ended by that signal: 130, 143.
  int ExitStatus() const { return 128 + Received(); }
  // "Ctrl-C" or "SIGTERM".
  const char* Name() const;
  // Sleeps until `deadline`; false as soon as a stop is requested.
  bool WaitUntil(std::chrono::steady_clock::time_point deadline);

 private:
  sigset_t previousMask_{};
  struct sigaction previousInt_ {};
  struct sigaction previousTerm_ {};
};

}  // namespace tarnwick::cli
