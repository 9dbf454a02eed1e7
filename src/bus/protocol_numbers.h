#pragma once

#include <cstdint>
#include <optional>

namespace tarnwick {

// Function numbers of the device protocol.
inline constexpr std::uint8_t kFnReadCoefficient = 30;
inline constexpr std::uint8_t kFnWriteCoefficient = 31;
inline constexpr std::uint8_t kFnIdentify = 48;  // with or without the code bytes
inline constexpr std::uint8_t kFnSetBusAddress = 66;
inline constexpr std::uint8_t kFnReadSerialNumber = 69;
inline constexpr std::uint8_t kFnReadChannel = 73;
inline constexpr std::uint8_t kFnReadConfig = 100;
inline constexpr std::uint8_t kFnWriteConfig = 101;
inline constexpr std::uint8_t kFnReadParameter = 106;
inline constexpr std::uint8_t kFnWriteParameter = 107;
inline constexpr std::uint8_t kFnStartProgrammerJob = 112;

inline constexpr std::uint8_t kBroadcastAddress = 0;
inline constexpr std::uint8_t kDefaultBusAddress = 250;

// Request length L and reply length R (address and function included, CRC
// excluded) of one command.
struct FrameLengths {
  int request;
  int reply;
};

inline constexpr FrameLengths kReadCoefficientLengths{3, 6};
inline constexpr FrameLengths kWriteCoefficientLengths{7, 3};
inline constexpr FrameLengths kIdentifyLengths{2, 8};
inline constexpr FrameLengths kIdentifyWithCodeLengths{4, 8};
inline constexpr FrameLengths kSetBusAddressLengths{3, 3};
inline constexpr FrameLengths kReadSerialNumberLengths{2, 6};
inline constexpr FrameLengths kReadChannelLengths{3, 7};
inline constexpr FrameLengths kReadConfigLengths{3, 7};
inline constexpr FrameLengths kWriteConfigLengths{8, 3};
inline constexpr FrameLengths kReadParameterLengths{3, 6};
inline constexpr FrameLengths kWriteParameterLengths{7, 3};
inline constexpr FrameLengths kStartProgrammerJobLengths{3, 3};

// The lengths of the command with this function number and request length;
// the two forms of function 48 differ only in their request length.
std::optional<FrameLengths> CommandLengths(std::uint8_t function, int requestLength);

}  // namespace tarnwick
