#pragma once

#include <cstdint>

#include "bus/bus_link.h"
#include "bus/device_identity.h"
#include "bus/protocol_numbers.h"
#include "device/device_readout.h"
#include "device/engine_observer.h"
#include "device/identification.h"
#include "programming/programming_inputs.h"

namespace tarnwick {

// The device the last read-out identified, which normal-mode programming
// writes into.
struct ProgrammingTarget {
  DeviceFamily family = DeviceFamily::kNone;
  std::uint8_t sessionAddress = kDefaultBusAddress;
  DeviceIdentity identity;
  std::int32_t serialNumber = 0;
};

// Normal-mode programming on the open `link`: CheckSameDevice, the family's
// writes, and the family's read-out (progress back to 5 before it for family
// 1), so that the caller shows what the device now holds. The first step that
// fails ends it with that step's outcome: 51 or 55 from the check, 61 from the
// writes, 60 or the declined question from the read-out. Family 0 (nothing
// read) sends nothing and succeeds without a record; any other family that is
// not 1, 2 or 4 sends nothing and gives 52.
ReadoutResult ProgramAndReadBack(BusLink& link, const ProgrammingTarget& target,
                                 const NormalProgramInputs& inputs, EngineObserver& observer);

}  // namespace tarnwick
