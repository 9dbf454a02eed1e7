#pragma once

#include "sim/sim_station.h"

namespace tarnwick {

// Mode bits of R0 (switch 1) and R1 (switch 2) of register 18.
inline constexpr std::uint8_t kModeOff = 0x20;
inline constexpr std::uint8_t kModeWindow = 0x10;
inline constexpr std::uint8_t kModeNc = 0x08;

// The switch device (family 2, identity 11.10): coefficients 72, 73, 78, 79,
// 80, 81, 86, 87; register 18 with the mode bytes and the switch states in
// R4; the pressure on channel 1. Default: a 0…16 bar device.
class Family2Station final : public SimStation {
 public:
  explicit Family2Station(std::uint8_t address);

  int Family() const override { return 2; }
  StationMemory& Stored() override { return memory_; }

 protected:
  Reply ReadConfig(std::uint8_t index, std::chrono::microseconds at) override;
  Reply ReadChannel(std::uint8_t channel, std::chrono::microseconds at) override;

 private:
  StationMemory memory_;
};

}  // namespace tarnwick
