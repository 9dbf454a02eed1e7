#pragma once

#include <cstdint>
#include <optional>

#include "bus/bus_link.h"
#include "bus/device_identity.h"
#include "device/device_readout.h"
#include "device/engine_observer.h"

namespace tarnwick {

// How a read session ended. The outcome says where it stopped: 50 the port
// could not be opened, 51 nobody answered the identification, 52 the device
// is not supported, 60 (or the user's Cancel to the read-again question) the
// read-out failed; success carries the read-out.
struct ReadSessionResult {
  EngineOutcome outcome;
  // The last answer to Identify, supported or not; empty when nobody answered.
  std::optional<DeviceIdentity> identity;
  // The family identified, kept when the read-out fails afterwards.
  DeviceFamily family = DeviceFamily::kNone;
  // The result of the last identification attempt, for a detailed message.
  BusResult identifyResult = BusResult::kOk;
  std::optional<DeviceReadout> readout;

  bool succeeded() const { return outcome.succeeded(); }
};

// One read of a device, as the console's read button and the command line
// run it: open the link on COM<comPort> at 9600 baud, identify the device at
// `address` (once more after 500 ms), read it out with its family's read-out.
// Progress 10 once the link is open, then the read-out's. On success the link
// stays open for the caller; on any failure it is closed.
ReadSessionResult RunReadSession(BusLink& link, int comPort, std::uint8_t address, bool factoryMode,
                                 EngineObserver& observer);

}  // namespace tarnwick
