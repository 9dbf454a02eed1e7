#pragma once

#include <array>
#include <cstdint>

#include "bus/bus_result.h"
#include "bus/device_identity.h"

namespace tarnwick {

using ParameterBytes = std::array<std::uint8_t, 4>;  // D0..D3
using ConfigBytes = std::array<std::uint8_t, 5>;     // R0..R4

// Properties of the programmer's firmware, fixed at build time.
inline constexpr std::array<std::uint8_t, 2> kIdentifyCode{
    static_cast<std::uint8_t>(TARNWICK_IDENTIFY_CODE[0]),
    static_cast<std::uint8_t>(TARNWICK_IDENTIFY_CODE[1])};
inline constexpr std::uint8_t kProgrammerFactoryCode = TARNWICK_FACTORY_CODE;

// Each command makes one exchange on the open link at `address` and returns
// its result; out-arguments are written only when the result is 0.
BusResult ReadCoefficient(std::uint8_t address, std::uint8_t number, float& value);
BusResult WriteCoefficient(std::uint8_t address, std::uint8_t number, float value);
BusResult Identify(std::uint8_t address, DeviceIdentity& identity);
BusResult IdentifyWithCode(std::uint8_t address, DeviceIdentity& identity);
BusResult SetBusAddress(std::uint8_t address, std::uint8_t newAddress,
                        std::uint8_t& reportedAddress);
BusResult ReadSerialNumber(std::uint8_t address, std::int32_t& serialNumber);
BusResult ReadChannel(std::uint8_t address, std::uint8_t channel, float& value,
                      std::uint8_t& status);
BusResult ReadConfig(std::uint8_t address, std::uint8_t index, ConfigBytes& bytes);
BusResult WriteConfig(std::uint8_t address, std::uint8_t index, const ConfigBytes& bytes);
BusResult ReadParameter(std::uint8_t address, std::uint8_t index, ParameterBytes& bytes);
BusResult WriteParameter(std::uint8_t address, std::uint8_t index, const ParameterBytes& bytes);
BusResult StartProgrammerJob(std::uint8_t address, std::uint8_t job);

}  // namespace tarnwick
