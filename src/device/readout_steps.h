#pragma once

#include <cstdint>

#include "bus/bus_result.h"
#include "bus/device_commands.h"
#include "device/device_readout.h"

namespace tarnwick {

// Reads shared by the read-outs of every family.

// The minimum from coefficient `minNumber`, then the maximum from `maxNumber`.
BusResult ReadRange(BusLink& link, std::uint8_t address, std::uint8_t minNumber,
                    std::uint8_t maxNumber, ValueRange& range);

// High point from coefficient `highNumber`, then the low point from `lowNumber`.
BusResult ReadSwitchPoints(BusLink& link, std::uint8_t address, std::uint8_t highNumber,
                           std::uint8_t lowNumber, float& highBar, float& lowBar);

// Parameter 9 or 10 of families 1 and 4: function code, closing and opening
// delay steps.
void ApplySwitchParameter(const ParameterBytes& bytes, SwitchReadout& sw);

inline ReadoutResult ReadoutFailed() { return {EngineOutcome::Failure(kMsgReadFailed), {}}; }

}  // namespace tarnwick
