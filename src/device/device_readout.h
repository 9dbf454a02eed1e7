#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "bus/device_identity.h"
#include "device/config_codec.h"
#include "device/engine_observer.h"

namespace tarnwick {

// What a read-out found, in device units (bar, °C, V, delay steps, raw codes).
// An empty field is one the family does not read: the caller keeps whatever
// it showed there before.

struct ValueRange {
  float min = 0.0F;
  float max = 0.0F;

  bool operator==(const ValueRange&) const = default;
};

// Type and software version that the family-1 switch reports about itself
// through the programmer (parameter 1).
struct AttachedSwitchInfo {
  std::uint8_t typeFirst = 0;
  std::uint8_t typeSecond = 0;
  std::uint8_t versionMajor = 0;
  std::uint8_t versionMinor = 0;

  bool operator==(const AttachedSwitchInfo&) const = default;
};

struct SwitchReadout {
  // Family 1 only. kNone clears the switch's present flag, NPN or PNP set it;
  // empty (not read, or a code above 2) leaves flag and type label alone.
  std::optional<OutputType> outputType;
  SwitchSelection selection;
  // Set or cleared by every read-out.
  bool off = false;
  float highBar = 0.0F;
  float lowBar = 0.0F;
  // Family 1: steps of 0.02 s, family 4: whole seconds; family 2 reads none.
  std::optional<std::uint8_t> closingDelaySteps;
  std::optional<std::uint8_t> openingDelaySteps;
};

// The raw stored values that the family-1 read-out reads a second time in
// factory mode, for the read-back tab. The codes are the item indexes of its
// lists; the delays are steps.
struct FactoryReadBack {
  ValueRange pressureRangeBar;
  ValueRange temperatureRange;
  struct Switch {
    float highBar = 0.0F;
    float lowBar = 0.0F;
    std::uint8_t outputTypeCode = 0;
    std::uint8_t functionCode = 0;
    std::uint8_t closingDelaySteps = 0;
    std::uint8_t openingDelaySteps = 0;
  };
  std::array<Switch, 2> switches;
  std::uint8_t windowHysteresis = 0;  // ADC points
};

inline constexpr int kLevelUnitNotRead = -1;

struct DeviceReadout {
  int family = 0;
  // For family 1 the programmer's identity, otherwise the device's.
  DeviceIdentity identity;
  ValueRange pressureRangeBar;
  ValueRange temperatureRange;
  std::optional<ValueRange> analogOutputRange;  // family 1
  std::optional<bool> analogOutputPresent;      // family 1
  std::int32_t serialNumber = 0;
  std::optional<std::uint8_t> reportedBusAddress;    // families 1 and 2
  std::optional<AttachedSwitchInfo> attachedSwitch;  // family 1
  std::array<SwitchReadout, 2> switches;
  int levelUnitIndex = kLevelUnitNotRead;          // family 4: register 11, R0
  std::optional<FactoryReadBack> factoryReadBack;  // family 1 in factory mode
};

// A read-out's end: the record on success, else the outcome (message 60, or
// the user's Cancel to the family-1 read-again question).
struct ReadoutResult {
  EngineOutcome outcome;
  std::optional<DeviceReadout> readout;

  bool succeeded() const { return outcome.succeeded(); }
};

}  // namespace tarnwick
