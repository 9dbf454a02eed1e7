#pragma once

#include <cstdint>

#include "bus/bus_link.h"
#include "bus/device_identity.h"
#include "device/engine_observer.h"

namespace tarnwick {

// Whether the device at `address` is still the one read last: the same class,
// group and software version (the spare bytes are not compared), and the same
// serial number. A device that does not answer the identification is asked
// once more after 500 ms. No answer, or a failed serial number read, gives
// message 51; another device gives 55.
EngineOutcome CheckSameDevice(BusLink& link, std::uint8_t address,
                              const DeviceIdentity& expectedIdentity, std::int32_t expectedSerial);

}  // namespace tarnwick
