#pragma once

#include <cstdint>

namespace tarnwick {

// Coefficient numbers (ReadCoefficient / WriteCoefficient).
inline constexpr std::uint8_t kCoefSwitch1High = 72;
inline constexpr std::uint8_t kCoefSwitch1Low = 73;
inline constexpr std::uint8_t kCoefSwitch2High = 78;
inline constexpr std::uint8_t kCoefSwitch2Low = 79;
inline constexpr std::uint8_t kCoefPressureRangeMin = 80;
inline constexpr std::uint8_t kCoefPressureRangeMax = 81;
inline constexpr std::uint8_t kCoefTemperatureMin = 86;
inline constexpr std::uint8_t kCoefTemperatureMax = 87;
inline constexpr std::uint8_t kCoefStoredPressureRangeMin = 92;  // as a family-1 device reports it
inline constexpr std::uint8_t kCoefStoredPressureRangeMax = 93;
inline constexpr std::uint8_t kCoefAnalogOutMin = 94;
inline constexpr std::uint8_t kCoefAnalogOutMax = 95;

// Parameter indexes (ReadParameter / WriteParameter).
inline constexpr std::uint8_t kParamStatus = 0;  // D0 programmer status, D2 switch states
inline constexpr std::uint8_t kParamDeviceInfo = 1;
inline constexpr std::uint8_t kParamSerialNumber = 2;
inline constexpr std::uint8_t kParamOutputTypes = 3;
inline constexpr std::uint8_t kParamSwitch1 = 9;
inline constexpr std::uint8_t kParamSwitch2 = 10;
inline constexpr std::uint8_t kParamWindowHysteresis = 11;

// Configuration registers (ReadConfig / WriteConfig).
inline constexpr std::uint8_t kRegisterLevelUnit = 11;    // family 4
inline constexpr std::uint8_t kRegisterSwitchModes = 18;  // family 2; R4 switch states

// Channels (ReadChannel).
inline constexpr std::uint8_t kChannelLevel = 0;  // family 4
inline constexpr std::uint8_t kChannelPressure = 1;
inline constexpr std::uint8_t kChannelAnalogOutput = 2;  // family 1

// Programmer jobs and the status byte (D0 of parameter 0).
inline constexpr std::uint8_t kJobFindSwitch = 1;
inline constexpr std::uint8_t kJobCopySwitchData = 2;
inline constexpr std::uint8_t kProgrammerStatusBusyMask = 0x0F;
inline constexpr std::uint8_t kProgrammerStatusNoSwitch = 0x10;
inline constexpr std::uint8_t kProgrammerStatusReady = 0x20;
inline constexpr std::uint8_t kProgrammerStatusTransferred = 0x40;

}  // namespace tarnwick
