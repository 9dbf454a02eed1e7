#pragma once

#include <array>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>

#include "device/device_readout.h"
#include "device/pressure_units.h"
#include "live/live_reading.h"

namespace tarnwick::cli {

// Turns each tick of the live display into the line `live` prints:
//   {"tick", "value", "unit", "voltage" (family 1), "analogOutput" (family 1),
//    "switch1", "switch2"}
// Values are texts as the console shows them. A switch reads "open",
// "closed", or null while its state is not known (or the family-1 output is
// absent); a state byte that changes nothing keeps the previous state.
class LiveDisplay {
 public:
  LiveDisplay(const DeviceReadout& readout, PressureUnit unit);

  nlohmann::ordered_json Line(int tick, const LiveReading& reading);

 private:
  nlohmann::ordered_json SwitchState(std::size_t output) const;

  DeviceFamily family_;
  PressureUnit unit_;
  std::uint8_t decimals_;
  int levelUnitIndex_;
  std::array<bool, 2> present_{true, true};
  std::array<OutputState, 2> shown_{OutputState::kUnchanged, OutputState::kUnchanged};
};

}  // namespace tarnwick::cli
