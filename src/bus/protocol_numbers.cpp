#include "bus/protocol_numbers.h"

namespace tarnwick {

std::optional<FrameLengths> CommandLengths(std::uint8_t function, int requestLength) {
  switch (function) {
    case kFnReadCoefficient:
      return kReadCoefficientLengths;
    case kFnWriteCoefficient:
      return kWriteCoefficientLengths;
    case kFnIdentify:
      if (requestLength == kIdentifyLengths.request) return kIdentifyLengths;
      if (requestLength == kIdentifyWithCodeLengths.request) return kIdentifyWithCodeLengths;
      return std::nullopt;
    case kFnSetBusAddress:
      return kSetBusAddressLengths;
    case kFnReadSerialNumber:
      return kReadSerialNumberLengths;
    case kFnReadChannel:
      return kReadChannelLengths;
    case kFnReadConfig:
      return kReadConfigLengths;
    case kFnWriteConfig:
      return kWriteConfigLengths;
    case kFnReadParameter:
      return kReadParameterLengths;
    case kFnWriteParameter:
      return kWriteParameterLengths;
    case kFnStartProgrammerJob:
      return kStartProgrammerJobLengths;
    default:
      return std::nullopt;
  }
}

}  // namespace tarnwick
