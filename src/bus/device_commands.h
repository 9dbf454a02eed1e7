#pragma once

#include <array>
#include <cstdint>

#include "bus/bus_link.h"
#include "bus/bus_result.h"
#include "bus/device_identity.h"
#include "firmware_codes.h"

namespace tarnwick {

using ParameterBytes = std::array<std::uint8_t, 4>;  // D0..D3
using ConfigBytes = std::array<std::uint8_t, 5>;     // R0..R4

// Properties of the programmer's firmware, fixed at build time
// (TARNWICK_IDENTIFY_CODE and TARNWICK_FACTORY_CODE).
inline constexpr std::array<std::uint8_t, 2> kIdentifyCode{
    static_cast<std::uint8_t>(kFirmwareIdentifyCode[0]),
    static_cast<std::uint8_t>(kFirmwareIdentifyCode[1])};
inline constexpr std::uint8_t kProgrammerFactoryCode = kFirmwareFactoryCode;

// Each command makes one exchange on the open `link` with the device at bus
// `address` and returns its result; out-arguments are written only when the
// result is kOk. Pressures travel in bar, as 32-bit floats.
BusResult ReadCoefficient(BusLink& link, std::uint8_t address, std::uint8_t number, float& value);
BusResult WriteCoefficient(BusLink& link, std::uint8_t address, std::uint8_t number, float value);
BusResult Identify(BusLink& link, std::uint8_t address, DeviceIdentity& identity);
// Identify with the programmer firmware's two code letters.
BusResult IdentifyWithCode(BusLink& link, std::uint8_t address, DeviceIdentity& identity);
BusResult SetBusAddress(BusLink& link, std::uint8_t address, std::uint8_t newAddress,
                        std::uint8_t& reportedAddress);
BusResult ReadSerialNumber(BusLink& link, std::uint8_t address, std::int32_t& serialNumber);
BusResult ReadChannel(BusLink& link, std::uint8_t address, std::uint8_t channel, float& value,
                      std::uint8_t& status);
BusResult ReadConfig(BusLink& link, std::uint8_t address, std::uint8_t index, ConfigBytes& bytes);
BusResult WriteConfig(BusLink& link, std::uint8_t address, std::uint8_t index,
                      const ConfigBytes& bytes);
BusResult ReadParameter(BusLink& link, std::uint8_t address, std::uint8_t index,
                        ParameterBytes& bytes);
BusResult WriteParameter(BusLink& link, std::uint8_t address, std::uint8_t index,
                         const ParameterBytes& bytes);
// `job` 1 makes a programmer look for its switch, 2 copy the switch's data.
BusResult StartProgrammerJob(BusLink& link, std::uint8_t address, std::uint8_t job);

}  // namespace tarnwick
