#pragma once

#include "bus/clock.h"
#include "device/engine_observer.h"
#include "programming/programming_inputs.h"

namespace tarnwick {

// Factory programming of every programmer from the first to the last address,
// in three passes: announce (identify with the code, job 1), write the values,
// transfer (job 2). The first address is always served, even above the last;
// the counter stops at 255 rather than wrapping to the broadcast address.
// Failures carry the address: 51 for a command of the first two passes, 61 for
// a programmer that does not become ready or refuses the transfer. Addresses
// served before a failure keep what they received.
EngineOutcome ProgramAddressRange(const FactoryProgramInputs& inputs, Clock& clock,
                                  EngineObserver& observer);

}  // namespace tarnwick
