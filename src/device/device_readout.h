#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "bus/device_identity.h"
#include "device/config_codec.h"
#include "device/engine_observer.h"

namespace tarnwick {

// What a read-out found, in device units: pressures in bar, temperatures in
// °C, analog output in volts, delays in the family's steps, codes raw. An
// empty field is one the family does not read: the caller keeps whatever it
// showed there before.

struct ValueRange {
  float min = 0.0F;
  float max = 0.0F;

  bool operator==(const ValueRange&) const = default;
};

// Type and software version that the family-1 switch reports about itself
// through the programmer (parameter 1); shown as "first.second" and
// "major.minor".
struct AttachedSwitchInfo {
  std::uint8_t typeFirst = 0;
  std::uint8_t typeSecond = 0;
  std::uint8_t versionMajor = 0;
  std::uint8_t versionMinor = 0;

  bool operator==(const AttachedSwitchInfo&) const = default;
};

struct SwitchReadout {
  // Read by family 1 only. kNone clears the switch's present flag, NPN or PNP
  // set it; empty (another family, or a code above 2) leaves flag and type
  // label alone.
  std::optional<OutputType> outputType = std::nullopt;
  // Function and contact decoded from the code below; an empty part leaves
  // its radio buttons alone (Off keeps the contact, unknown codes keep both).
  SwitchSelection selection = {};
  // The raw byte the selection came from: the function code (D0 of parameter
  // 9 or 10) for families 1 and 4, the mode byte (R0 or R1 of register 18)
  // for family 2.
  std::optional<std::uint8_t> functionCode = std::nullopt;
  std::optional<std::uint8_t> modeByte = std::nullopt;
  // The function was Off; set or cleared by every read-out.
  bool off = false;
  float highBar = 0.0F;
  float lowBar = 0.0F;
  // Steps of 0.02 s for family 1, whole seconds for family 4
  // (DelayStepsToSeconds); family 2 has no delays.
  std::optional<std::uint8_t> closingDelaySteps = std::nullopt;
  std::optional<std::uint8_t> openingDelaySteps = std::nullopt;

  bool operator==(const SwitchReadout&) const = default;
};

// The raw stored values that the family-1 read-out reads a second time in
// factory mode, for the read-back tab: bar without unit conversion, the codes
// as the item indexes of its lists, the delays as steps.
struct FactoryReadBack {
  ValueRange pressureRangeBar = {};  // coefficients 92, 93
  ValueRange temperatureRange = {};  // °C, coefficients 86, 87
  std::int32_t serialNumber = 0;     // the one the read-out read, not read again
  struct Switch {
    float highBar = 0.0F;
    float lowBar = 0.0F;
    std::uint8_t outputTypeCode = 0;
    std::uint8_t functionCode = 0;
    std::uint8_t closingDelaySteps = 0;  // 0.02 s each
    std::uint8_t openingDelaySteps = 0;

    bool operator==(const Switch&) const = default;
  };
  std::array<Switch, 2> switches = {};
  std::uint8_t windowHysteresis = 0;  // ADC points, parameter 11

  bool operator==(const FactoryReadBack&) const = default;
};

inline constexpr int kLevelUnitNotRead = -1;

struct DeviceReadout {
  DeviceFamily family = DeviceFamily::kNone;
  // For family 1 the programmer's identity, otherwise the device's.
  DeviceIdentity identity = {};
  // Family 1 reports it in coefficients 92 and 93, families 2 and 4 in 80 and 81.
  ValueRange pressureRangeBar = {};
  ValueRange temperatureRange = {};                            // °C
  std::optional<ValueRange> analogOutputRange = std::nullopt;  // volts, family 1
  std::optional<bool> analogOutputPresent = std::nullopt;      // family 1
  std::int32_t serialNumber = 0;
  std::optional<std::uint8_t> reportedBusAddress = std::nullopt;    // families 1 and 2
  std::optional<AttachedSwitchInfo> attachedSwitch = std::nullopt;  // family 1
  std::array<SwitchReadout, 2> switches = {};
  // Family 4: R0 of register 11 (0 litre, 1 hectolitre, 2 US gallon, 3 percent).
  int levelUnitIndex = kLevelUnitNotRead;
  std::optional<FactoryReadBack> factoryReadBack = std::nullopt;  // family 1 in factory mode
};

// A read-out's end: the record on success, else the outcome (message 60, or
// the user's Cancel to the family-1 read-again question).
struct ReadoutResult {
  EngineOutcome outcome = {};
  std::optional<DeviceReadout> readout = std::nullopt;

  bool succeeded() const { return outcome.succeeded(); }
};

}  // namespace tarnwick
