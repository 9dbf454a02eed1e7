#pragma once

#include <cstdint>
#include <iosfwd>

namespace tarnwick {

// The 16-bit signed result of every exchange and device command, with the
// values the protocol gives them. Callers compare with kOk; any other value,
// the broadcast and the device's exception codes included, is a failure of
// the command.
enum class BusResult : std::int16_t {
  kOk = 0,
  kOpenFailed = -1,  // Open: any failure
  // Clearing the port's errors or purging its buffers failed. The protocol
  // reports it as -1 like a failed open (BusResultCode); its own value here
  // lets callers and logs tell the two apart.
  kNotPrepared = -6,
  kWriteFailed = -2,
  kReadFailed = -3,
  kNoAnswer = -4,  // nothing arrived beyond the echo of the request
  kBadReply = -5,  // too short, CRC mismatch, or an exception code the protocol does not know
  kExceptionFunction = 1,
  kExceptionAddress = 2,
  kExceptionValue = 3,
  kExceptionDevice = 32,
  kBroadcastSent = 100,  // sent to address 0; nobody answers a broadcast
};

// The number the protocol gives the result (what the command line prints).
constexpr int BusResultCode(BusResult result) {
  return result == BusResult::kNotPrepared ? BusResultCode(BusResult::kOpenFailed)
                                           : static_cast<int>(result);
}

// The device's exception codes, returned as they arrived.
constexpr bool IsDeviceException(BusResult result) {
  return result == BusResult::kExceptionFunction || result == BusResult::kExceptionAddress ||
         result == BusResult::kExceptionValue || result == BusResult::kExceptionDevice;
}

// Technician-readable name of a result, for logs and the command line.
const char* BusResultName(BusResult result);

// "-4 (no answer)", so that test failures and logs read.
std::ostream& operator<<(std::ostream& out, BusResult result);

}  // namespace tarnwick
