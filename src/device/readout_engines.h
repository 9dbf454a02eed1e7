#pragma once

#include <cstdint>

#include "bus/bus_link.h"
#include "bus/device_identity.h"
#include "device/device_readout.h"
#include "device/engine_observer.h"

namespace tarnwick {

// The read-outs run on the open `link` after a successful identification, which
// gave `identity`. They leave the link open; every failed command ends them
// with message 60.

// Family 1: everything goes to `address`, the programmer's. The observer
// follows the progress from the session's 10 up to 100 and answers the
// read-again question when the programmer finds no switch.
ReadoutResult ReadOutFamily1(BusLink& link, std::uint8_t address, const DeviceIdentity& identity,
                             bool factoryMode, EngineObserver& observer);

// Family 2 answers every read at address 250, whatever address it was
// identified at.
ReadoutResult ReadOutFamily2(BusLink& link, const DeviceIdentity& identity,
                             EngineObserver& observer);

// Family 4: serial number and ranges at 250, the switch settings and the
// level unit at `sessionAddress`.
ReadoutResult ReadOutFamily4(BusLink& link, std::uint8_t sessionAddress,
                             const DeviceIdentity& identity, EngineObserver& observer);

// The read-out of `family` as the identification found it; a family without
// one (0, or anything unsupported) fails with message 52 and sends nothing.
ReadoutResult ReadOutDevice(BusLink& link, DeviceFamily family, std::uint8_t sessionAddress,
                            const DeviceIdentity& identity, bool factoryMode,
                            EngineObserver& observer);

}  // namespace tarnwick
