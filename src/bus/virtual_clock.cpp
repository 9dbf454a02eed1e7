#include "bus/virtual_clock.h"

namespace tarnwick {

void VirtualClock::Sleep(int milliseconds) {
  sleeps_.push_back(milliseconds);
  if (milliseconds > 0) Advance(std::chrono::milliseconds(milliseconds));
}

void VirtualClock::AdvanceTo(std::chrono::microseconds t) {
  if (t > now_) now_ = t;
}

}  // namespace tarnwick
