#pragma once

namespace tarnwick {

// A family-1 analog output counts as present when it drives a voltage, or
// when its range starts at 0 V so that a reading of 0 V is a valid one.
inline bool AnalogOutputWorking(float measuredVolts, float analogOutMinVolts) {
  return static_cast<double>(measuredVolts) > 0.1 || static_cast<double>(analogOutMinVolts) < 0.05;
}

}  // namespace tarnwick
