#pragma once

#include <cstdint>

#include "bus/bus_link.h"
#include "bus/bus_result.h"
#include "device/engine_observer.h"
#include "device/value_numbers.h"

namespace tarnwick {

inline constexpr int kMaxStatusReads = 21;
inline constexpr int kStatusPollPauseMs = 200;

// How the status polling of a programmer ended.
struct ProgrammerPoll {
  BusResult result = BusResult::kOk;  // of the last read
  // D0 of parameter 0 from the last read that answered.
  std::uint8_t status = 0;

  bool answered() const { return result == BusResult::kOk; }
  // A switch is attached and the programmer is ready for the next step.
  bool ready() const { return answered() && status == kProgrammerStatusReady; }
};

// Reads the programmer's status at `address` on the open `link` up to 21 times, pausing 200 ms
// after each read (and moving the progress on by one when `reportProgress` is
// set), until it reports exactly 0x20. A failed read ends the polling at once.
ProgrammerPoll WaitProgrammerReady(BusLink& link, std::uint8_t address, bool reportProgress,
                                   EngineObserver& observer);

}  // namespace tarnwick
