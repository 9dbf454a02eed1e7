#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "bus/bus_link.h"
#include "device/engine_observer.h"
#include "programming/programming_inputs.h"

namespace tarnwick {

// The addresses of a factory range, in the order they are served: from the
// first upwards while the address is not above the last. The first is always
// served, even above the last (7..5 serves 7 alone). The counter is one byte
// and stops at 255 instead of wrapping to the broadcast address 0, which never
// answers and would start the range over.
std::vector<std::uint8_t> RangeAddresses(std::uint8_t first, std::uint8_t last);

enum class RangePass : std::uint8_t {
  kAnnounce = 1,  // identify with the code, job 1
  kWrite = 2,     // wait for the switch, write the values, job 1
  kTransfer = 3,  // wait for the switch, job 2
};

// Told each time an address has been served in a pass.
using AddressServed = std::function<void(RangePass pass, std::uint8_t address)>;

// Factory programming of every programmer in the range, in three passes over
// all its addresses, on the open `link`. Progress 5, 20 (then +1 per status poll
// of the write pass), 50, 70. A failure ends the whole run and carries the
// address: 51 for a command of the first two passes or a status read that
// fails, 61 for a programmer that is not ready after 21 polls or refuses the
// transfer. Addresses served before keep what they received.
EngineOutcome ProgramAddressRange(BusLink& link, const FactoryProgramInputs& inputs,
                                  EngineObserver& observer,
                                  const AddressServed& addressServed = {});

}  // namespace tarnwick
