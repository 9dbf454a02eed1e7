#pragma once

#include <cstdint>

#include "bus/bus_result.h"
#include "bus/clock.h"
#include "device/engine_observer.h"
#include "programming/programmer_layout.h"

namespace tarnwick {

inline constexpr int kMaxStatusReads = 21;
inline constexpr int kStatusPollPauseMs = 200;

// How the status polling of a programmer ended.
struct ProgrammerPoll {
  BusResult result = kBusOk;
  // D0 of parameter 0 from the last successful read.
  std::uint8_t status = 0;

  bool answered() const { return result == kBusOk; }
  bool ready() const { return answered() && status == kProgrammerReady; }
};

// Reads the programmer's status up to 21 times, 200 ms apart, until it reports
// ready; each read moves the progress on by one when `reportProgress` is set.
// A failed read ends the polling at once with its result.
ProgrammerPoll WaitProgrammerReady(std::uint8_t address, bool reportProgress, Clock& clock,
                                   EngineObserver& observer);

}  // namespace tarnwick
