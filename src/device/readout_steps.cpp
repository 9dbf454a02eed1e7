#include "device/readout_steps.h"

namespace tarnwick {

BusResult ReadRange(BusLink& link, std::uint8_t address, std::uint8_t minNumber,
                    std::uint8_t maxNumber, ValueRange& range) {
  if (const BusResult result = ReadCoefficient(link, address, minNumber, range.min);
      result != BusResult::kOk) {
    return result;
  }
  return ReadCoefficient(link, address, maxNumber, range.max);
}

BusResult ReadSwitchPoints(BusLink& link, std::uint8_t address, std::uint8_t highNumber,
                           std::uint8_t lowNumber, float& highBar, float& lowBar) {
  if (const BusResult result = ReadCoefficient(link, address, highNumber, highBar);
      result != BusResult::kOk) {
    return result;
  }
  return ReadCoefficient(link, address, lowNumber, lowBar);
}

void ApplySwitchParameter(const ParameterBytes& bytes, SwitchReadout& sw) {
  sw.functionCode = bytes[0];
  sw.off = bytes[0] == 0;
  sw.selection = DecodeFunctionCode(bytes[0]);
  sw.closingDelaySteps = bytes[1];
  sw.openingDelaySteps = bytes[2];
}

}  // namespace tarnwick
