#pragma once

#include <cstdint>

#include "bus/bus_link.h"
#include "device/engine_observer.h"
#include "programming/programming_inputs.h"

namespace tarnwick {

// The normal-mode writes into the device read last, one engine per family, on
// the open `link`. Each reports its progress positions as it goes and ends with
// message 61 at the first failed command; what was written before it stays in
// the device. The parameter blocks 9 and 10 are read first and written back
// with D3 as the device holds it.

// Programmer at 250: looks for the switch (job 1) and polls its status, going
// on after the last poll whatever it says; then parameter 9, coefficients 72
// and 73, parameter 10, coefficients 78 and 79. Progress 20, +1 per poll, 30,
// 40, 60, 80, 100.
EngineOutcome ProgramFamily1(BusLink& link, const NormalProgramInputs& inputs,
                             EngineObserver& observer);

// Switch device: the mode bytes of both switches into register 18 at
// `sessionAddress`, with R2..R4 as read there; then the switch points at 250.
// It has no delays. Progress 10, 20, 30.
EngineOutcome ProgramFamily2(BusLink& link, std::uint8_t sessionAddress,
                             const NormalProgramInputs& inputs, EngineObserver& observer);

// Level device at 250: as family 1 without the job and the polling, delays in
// whole seconds. Progress 30, 40, 60, 80, 100.
EngineOutcome ProgramFamily4(BusLink& link, const NormalProgramInputs& inputs,
                             EngineObserver& observer);

}  // namespace tarnwick
