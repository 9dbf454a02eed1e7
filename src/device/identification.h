#pragma once

#include <cstdint>

#include "bus/bus_link.h"
#include "bus/bus_result.h"
#include "bus/device_identity.h"
#include "device/device_family.h"
#include "device/engine_observer.h"

namespace tarnwick {

inline constexpr int kIdentifyRetryPauseMs = 500;

// Where an identity falls in the family table. `family` is the family of the
// class and group even when their version is refused, so a message can say
// "known device, unsupported version" rather than "unknown device".
struct FamilyMatch {
  DeviceFamily family = DeviceFamily::kNone;
  bool versionSupported = false;

  bool supported() const { return family != DeviceFamily::kNone && versionSupported; }
  bool versionRefused() const { return family != DeviceFamily::kNone && !versionSupported; }
};

FamilyMatch FamilyOf(const DeviceIdentity& identity);

// Identify at `address` on the open `link`, once more after 500 ms if the
// first attempt fails; the result of the last attempt.
BusResult IdentifyWithRetry(BusLink& link, std::uint8_t address, DeviceIdentity& identity);

// Identify at `address`, once more after 500 ms if the first attempt fails.
// `identity` receives every identity a device answers with, supported or not;
// `family` is the supported family, or DeviceFamily::kNone whenever the outcome is a
// failure: 51 (no answer to both attempts) or 52 (not supported).
// `lastResult`, when given, receives the bus result of the last attempt.
EngineOutcome IdentifyDevice(BusLink& link, std::uint8_t address, DeviceIdentity& identity,
                             DeviceFamily& family, BusResult* lastResult = nullptr);

}  // namespace tarnwick
