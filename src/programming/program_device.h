#pragma once

#include <cstdint>

#include "bus/clock.h"
#include "device/engine_observer.h"
#include "programming/programming_inputs.h"

namespace tarnwick {

// The normal-mode writes of the device read last, one engine per family. Each
// reports progress as it goes and ends with message 61 at the first failed
// command; what was written before it stays in the device. The read-out that
// shows the result is the caller's next step.

// Programmer at 250: finds the switch (job 1), polls the status (and goes on
// after the last poll whatever it says), then writes both switch outputs.
EngineOutcome ProgramFamily1(const NormalProgramInputs& inputs, Clock& clock,
                             EngineObserver& observer);

// Switch device: the mode bytes into register 18 at the session address, the
// switch points at 250. It has no delays.
EngineOutcome ProgramFamily2(std::uint8_t sessionAddress, const NormalProgramInputs& inputs,
                             EngineObserver& observer);

// Level device at 250: both switch outputs, delays in whole seconds.
EngineOutcome ProgramFamily4(const NormalProgramInputs& inputs, EngineObserver& observer);

}  // namespace tarnwick
