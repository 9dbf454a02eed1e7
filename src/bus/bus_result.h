#pragma once

#include <cstdint>

namespace tarnwick {

// 16-bit signed result of every exchange and device command. Callers compare
// with 0; any other value, the broadcast and the exception codes included, is a
// failure of the command.
using BusResult = std::int16_t;

inline constexpr BusResult kBusOk = 0;
inline constexpr BusResult kBusOpenFailed = -1;   // BusOpen: any failure
inline constexpr BusResult kBusNotPrepared = -1;  // clearing errors or purging failed
inline constexpr BusResult kBusWriteFailed = -2;
inline constexpr BusResult kBusReadFailed = -3;
inline constexpr BusResult kBusNoAnswer = -4;
inline constexpr BusResult kBusBadReply = -5;  // short, CRC mismatch or unknown exception
inline constexpr BusResult kBusExceptionFunction = 1;
inline constexpr BusResult kBusExceptionAddress = 2;
inline constexpr BusResult kBusExceptionValue = 3;
inline constexpr BusResult kBusExceptionDevice = 32;
inline constexpr BusResult kBusBroadcastSent = 100;

// Technician-readable name of a result, for logs and the command line.
const char* BusResultName(BusResult result);

}  // namespace tarnwick
