#pragma once

#include <cstdint>

#include "device/config_codec.h"

namespace tarnwick {

// One switch output as the main window holds it when the user programs the
// device read last. Switch points are already in bar and delays already in the
// family's steps (DelaySecondsToSteps).
struct SwitchProgramValues {
  SwitchSelection selection;
  float highBar = 0.0f;
  float lowBar = 0.0f;
  std::uint8_t closingDelaySteps = 0;
  std::uint8_t openingDelaySteps = 0;
};

struct NormalProgramInputs {
  SwitchProgramValues switch1;
  SwitchProgramValues switch2;
};

// One switch group of the factory programming page. Codes and delays are the
// lowest bytes of what was typed or selected (LowestByte).
struct FactorySwitchValues {
  float highBar = 0.0f;
  float lowBar = 0.0f;
  std::uint8_t functionCode = 0;
  std::uint8_t outputType = 0;
  std::uint8_t closingDelaySteps = 0;
  std::uint8_t openingDelaySteps = 0;
};

// The programming page of factory mode, written into every programmer of the
// address range as entered: no unit conversion, no range checks.
struct FactoryProgramInputs {
  std::uint8_t firstAddress = 0;
  std::uint8_t lastAddress = 0;
  float pressureRangeMinBar = 0.0f;
  float pressureRangeMaxBar = 0.0f;
  float temperatureRangeMin = 0.0f;
  float temperatureRangeMax = 0.0f;
  // The 0.5 ... 4.5 V item of the analog output list is selected.
  bool analogOutSelected = false;
  FactorySwitchValues switch1;
  FactorySwitchValues switch2;
  std::uint8_t windowHysteresis = 0;
  bool writeSerialNumbers = false;
  // Serial number of the first address; each further address gets the next.
  std::int32_t firstSerialNumber = 0;
};

}  // namespace tarnwick
