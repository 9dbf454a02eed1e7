#pragma once

#include <chrono>

namespace tarnwick {

// Every wait of the console goes through a Clock, so that tests can run the
// protocol's 500 ms pauses on a virtual time line without sleeping.
class Clock {
 public:
  virtual ~Clock() = default;

  // Monotonic time since an arbitrary origin.
  virtual std::chrono::microseconds Now() const = 0;
  virtual void Sleep(int milliseconds) = 0;
};

// Real monotonic time with real sleeps.
class SteadyClock final : public Clock {
 public:
  std::chrono::microseconds Now() const override;
  void Sleep(int milliseconds) override;
};

}  // namespace tarnwick
