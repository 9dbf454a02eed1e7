#pragma once

#include <vector>

#include "bus/clock.h"

namespace tarnwick {

// A time line that only moves when someone sleeps or a simulated device makes
// bytes arrive. It remembers every sleep so tests can assert the waits.
class VirtualClock final : public Clock {
 public:
  std::chrono::microseconds Now() const override { return now_; }
  void Sleep(int milliseconds) override;

  // Moves time forward to `t`; earlier times are ignored.
  void AdvanceTo(std::chrono::microseconds t);
  void Advance(std::chrono::microseconds d) { AdvanceTo(now_ + d); }

  const std::vector<int>& Sleeps() const { return sleeps_; }
  void ClearSleeps() { sleeps_.clear(); }

 private:
  std::chrono::microseconds now_{0};
  std::vector<int> sleeps_;
};

}  // namespace tarnwick
