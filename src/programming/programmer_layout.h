#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "bus/commands.h"

namespace tarnwick {

// Coefficient numbers written by programming.
inline constexpr std::uint8_t kCoefficientSwitch1High = 72;
inline constexpr std::uint8_t kCoefficientSwitch1Low = 73;
inline constexpr std::uint8_t kCoefficientSwitch2High = 78;
inline constexpr std::uint8_t kCoefficientSwitch2Low = 79;
inline constexpr std::uint8_t kCoefficientPressureRangeMin = 80;
inline constexpr std::uint8_t kCoefficientPressureRangeMax = 81;
inline constexpr std::uint8_t kCoefficientTemperatureRangeMin = 86;
inline constexpr std::uint8_t kCoefficientTemperatureRangeMax = 87;
inline constexpr std::uint8_t kCoefficientAnalogOutMin = 94;
inline constexpr std::uint8_t kCoefficientAnalogOutMax = 95;

// Parameter blocks of the programmer (and of the level device for 9 and 10).
inline constexpr std::uint8_t kParameterStatus = 0;
inline constexpr std::uint8_t kParameterSerialNumber = 2;
inline constexpr std::uint8_t kParameterOutputTypes = 3;
inline constexpr std::uint8_t kParameterSwitch1 = 9;
inline constexpr std::uint8_t kParameterSwitch2 = 10;
inline constexpr std::uint8_t kParameterWindowHysteresis = 11;

// Configuration register of the switch device holding both mode bytes.
inline constexpr std::uint8_t kRegisterSwitchModes = 18;

inline constexpr std::uint8_t kJobFindSwitch = 1;
inline constexpr std::uint8_t kJobTransferSwitchData = 2;

// Status D0 of parameter 0: a switch is attached and the programmer is idle.
inline constexpr std::uint8_t kProgrammerReady = 0x20;

// Writes the coefficients in the given order and stops at the first failure.
inline BusResult WriteCoefficients(
    std::uint8_t address, std::initializer_list<std::pair<std::uint8_t, float>> coefficients) {
  for (const auto& [number, value] : coefficients) {
    const BusResult result = WriteCoefficient(address, number, value);
    if (result != kBusOk) return result;
  }
  return kBusOk;
}

}  // namespace tarnwick
