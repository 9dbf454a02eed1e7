#include <thread>

#include "bus/clock.h"

namespace tarnwick {

std::chrono::microseconds SteadyClock::Now() const {
  return std::chrono::duration_cast<std::chrono::microseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

void SteadyClock::Sleep(int milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace tarnwick
