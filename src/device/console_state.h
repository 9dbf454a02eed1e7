#pragma once

#include <array>
#include <cstdint>

#include "bus/device_identity.h"
#include "bus/protocol_numbers.h"
#include "device/device_readout.h"
#include "device/identification.h"
#include "device/pressure_units.h"

namespace tarnwick {

// The console's picture of the device read last and of how it shows it: what
// the session identified, what the read-out found that the view does not hold
// as text, and the unit and decimals of the pressures on screen. The switch
// points, delays and functions the user edits live in the window's edits and
// buttons, not here.
struct ConsoleState {
  // The n of the port COM<n> every device operation opens; 0 when no present
  // port is chosen.
  int comPortNumber = 1;
  // 0 until a device is identified, and again after every failure.
  DeviceFamily deviceFamily = DeviceFamily::kNone;
  // A read-out has completed and its values are on screen.
  bool deviceDataValid = false;
  // 250, or the address typed in factory mode.
  std::uint8_t sessionAddress = kDefaultBusAddress;
  // The last answer to Identify: the programmer's for family 1.
  DeviceIdentity deviceIdentity;
  std::int32_t serialNumber = 0;
  ValueRange pressureRangeBar;
  ValueRange pressureRangeShown;  // in pressureUnit
  PressureUnit pressureUnit = PressureUnit::kBar;
  // Decimals of the pressures shown; none until a range sets them.
  std::uint8_t pressureDecimals = 0;
  ValueRange analogOutRange;  // volts, family 1
  bool analogOutputPresent = false;
  // Index 0 is switch 1. Present: family 1 read an output type of NPN or PNP.
  std::array<bool, 2> switchPresent{};
  // The function was Off when the device was read; editing does not change it.
  std::array<bool, 2> switchOff{};
  // Family 4: the unit of its level channel, kLevelUnitNotRead before one was read.
  int levelUnitIndex = kLevelUnitNotRead;
};

// What a successful read-out changes: the ranges in bar and as shown in the
// current unit, the decimals they give, the serial number, the analog output,
// the switches' presence and Off flags where the family reads them, and a
// level device's unit. Fields the family does not read keep their values.
void ApplyReadout(ConsoleState& state, const DeviceReadout& readout);

// What every failure report and a declined read-again change: no device
// identified, no valid data on screen.
void ApplyFailure(ConsoleState& state);

}  // namespace tarnwick
