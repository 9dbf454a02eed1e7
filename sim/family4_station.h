#pragma once

#include "sim/sim_station.h"

namespace tarnwick {

// The level device (family 4, identity 15.1): coefficients 72, 73, 78, 79,
// 80, 81, 86, 87; parameter 0 (D2 = switch states), parameters 9 and 10 with
// delays in whole seconds; register 11 (R0 = level unit, 0 litre); the level
// on channel 0. Default: version 10.0, a 0…1000 litre tank.
class Family4Station final : public SimStation {
 public:
  explicit Family4Station(std::uint8_t address, std::uint8_t versionMajor = 10,
                          std::uint8_t versionMinor = 0);

  int Family() const override { return 4; }
  StationMemory& Stored() override { return memory_; }

 protected:
  Reply ReadParameter(std::uint8_t index, std::chrono::microseconds at) override;
  Reply ReadChannel(std::uint8_t channel, std::chrono::microseconds at) override;

 private:
  StationMemory memory_;
};

}  // namespace tarnwick
