#pragma once

#include <cstdint>
#include <string>

#include "device/device_readout.h"

namespace tarnwick {

// Significant digits of the values a read-out writes into labels and edits,
// and of the switch points rewritten on the switch tabs.
inline constexpr int kPanelPrecision = 10;
inline constexpr int kEditPrecision = 14;

inline constexpr int kTemperatureDecimals = 0;
inline constexpr int kAnalogOutputDecimals = 1;
inline constexpr int kDelayDecimals = 2;
// The level device's range carries three decimals whatever unit it is shown in.
inline constexpr int kLevelRangeDecimals = 3;

// Two bytes of an identity or a version as the panel shows them: "12.1".
std::string ByteDotByte(std::uint8_t first, std::uint8_t second);

// "min ... max", each end with `decimals` decimals and at most ten digits.
std::string RangeText(const ValueRange& range, int decimals, char separator);

// A delay in seconds from its device steps: 0.02 s steps, whole seconds for
// the level device.
std::string DelayText(DeviceFamily family, std::uint8_t steps, char separator);

}  // namespace tarnwick
