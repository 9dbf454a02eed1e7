#pragma once

#include <cstdint>

#include "device/config_codec.h"

namespace tarnwick {

// What the console (or the command line) hands to the programming engines,
// built from its fields at the moment of programming. Every conversion is done
// before: switch points are in bar as 32-bit floats (PressureToBar), delays in
// the family's steps (DelaySecondsToSteps), typed whole numbers cut to their
// lowest byte (LowestByte). The engines send these values as they are.

// One switch output of the device read last.
struct SwitchProgramValues {
  // The function and contact radio buttons. Families 1 and 4 send the function
  // code, family 2 the mode byte. When no function code applies (a function
  // without a contact, or no function chosen) families 1 and 4 write back the
  // code the device holds.
  SwitchSelection selection;
  float highBar = 0.0F;
  float lowBar = 0.0F;
  // Family 1: steps of 0.02 s; family 4: whole seconds; family 2 has no delays.
  std::uint8_t closingDelaySteps = 0;
  std::uint8_t openingDelaySteps = 0;
};

// Normal mode: the configuration the main window shows.
struct NormalProgramInputs {
  SwitchProgramValues switch1;
  SwitchProgramValues switch2;
};

// One switch group of the factory programming page, written as entered.
struct FactorySwitchValues {
  float highBar = 0.0F;  // coefficient 72 or 78
  float lowBar = 0.0F;   // coefficient 73 or 79
  // Item index of the function list: 0 Off, 1 Hyst. NO, 2 Hyst. NC,
  // 3 Window NO, 4 Window NC.
  std::uint8_t functionCode = 0;
  // Item index of the output type list: 0 none, 1 NPN, 2 PNP.
  std::uint8_t outputType = 0;
  std::uint8_t closingDelaySteps = 0;  // steps of 0.02 s
  std::uint8_t openingDelaySteps = 0;

  bool operator==(const FactorySwitchValues&) const = default;
};

// Factory mode: the programming page, written into every programmer from the
// first to the last address. No unit conversion, no range checks.
struct FactoryProgramInputs {
  std::uint8_t firstAddress = 0;
  std::uint8_t lastAddress = 0;
  // Pressure at the minimum and maximum analog output (coefficients 80, 81).
  float pressureRangeMinBar = 0.0F;
  float pressureRangeMaxBar = 0.0F;
  // Compensated temperature range in °C (coefficients 86, 87).
  float temperatureRangeMin = 0.0F;
  float temperatureRangeMax = 0.0F;
  // The "0,5 ... 4,5 Volt" item of the analog output list is selected: 0.5 V
  // and 4.5 V go into coefficients 94 and 95; otherwise neither is written.
  bool analogOutSelected = false;
  FactorySwitchValues switch1;
  FactorySwitchValues switch2;
  std::uint8_t windowHysteresis = 0;  // ADC points
  // Parameter 2 is written only when set; the first address gets
  // firstSerialNumber, each further address the next number.
  bool writeSerialNumbers = false;
  std::int32_t firstSerialNumber = 0;

  bool operator==(const FactoryProgramInputs&) const = default;
};

}  // namespace tarnwick
