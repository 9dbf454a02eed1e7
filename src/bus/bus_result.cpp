#include "bus/bus_result.h"

#include <ostream>

namespace tarnwick {

const char* BusResultName(BusResult result) {
  switch (result) {
    case BusResult::kOk:
      return "success";
    case BusResult::kOpenFailed:
      return "port not opened";
    case BusResult::kNotPrepared:
      return "port not prepared";
    case BusResult::kWriteFailed:
      return "write failed";
    case BusResult::kReadFailed:
      return "read failed";
    case BusResult::kNoAnswer:
      return "no answer";
    case BusResult::kBadReply:
      return "bad reply";
    case BusResult::kExceptionFunction:
      return "device exception 1 (function)";
    case BusResult::kExceptionAddress:
      return "device exception 2 (address)";
    case BusResult::kExceptionValue:
      return "device exception 3 (value)";
    case BusResult::kExceptionDevice:
      return "device exception 32 (device)";
    case BusResult::kBroadcastSent:
      return "broadcast sent";
  }
  return "unknown result";
}

std::ostream& operator<<(std::ostream& out, BusResult result) {
  return out << BusResultCode(result) << " (" << BusResultName(result) << ")";
}

}  // namespace tarnwick
