#pragma once

#include <cstdint>
#include <optional>

#include "bus/bus_link.h"
#include "device/device_family.h"
#include "device/engine_observer.h"

namespace tarnwick {

enum class OutputState : std::uint8_t { kUnchanged, kOpen, kClosed };

struct SwitchStates {
  OutputState output1 = OutputState::kUnchanged;
  OutputState output2 = OutputState::kUnchanged;

  bool operator==(const SwitchStates&) const = default;
};

// The switch state byte: 0..3 give bit 0 for output 1 and bit 1 for output 2
// (set = closed); any other value changes no picture.
SwitchStates DecodeSwitchStateByte(std::uint8_t state);

// One tick of the live display. Fields are filled as the tick learns them,
// so after a failure the console can still show what the tick had decided
// before it (family 1 shows its "no analog output" text before the status
// read that may fail).
struct LiveReading {
  // 51: a command failed (the display stops, the view stays); 53: family 1
  // without analog output and no switch at the programmer (the full failure
  // report).
  EngineOutcome outcome = {};
  // Pressure in bar for families 1 and 2, the level channel as read (no unit
  // conversion) for family 4; empty when family 1 has no working analog output.
  std::optional<float> value = std::nullopt;
  // Analog output in volts: family 1 with a working analog output.
  std::optional<float> voltage = std::nullopt;
  std::optional<bool> analogOutputPresent = std::nullopt;  // family 1
  SwitchStates states = {};
};

// Runs the tick's commands for `family` at `address` on the open `link`; family
// 0 sends nothing. `analogOutMinVolts` is the lower end of the family-1
// analog output range from the read-out.
LiveReading LiveTick(BusLink& link, DeviceFamily family, std::uint8_t address,
                     float analogOutMinVolts);

}  // namespace tarnwick
