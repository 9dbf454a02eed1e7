#include "device/identification.h"

#include "bus/device_commands.h"

namespace tarnwick {
namespace {

bool InRange(std::uint8_t value, std::uint8_t low, std::uint8_t high) {
  return value >= low && value <= high;
}

bool ProgrammerVersionSupported(const DeviceIdentity& id) {
  return id.VersionMajor == 5 && InRange(id.VersionMinor, 10, 20);
}

bool LevelDeviceVersionSupported(const DeviceIdentity& id) {
  return (id.VersionMajor == 6 && InRange(id.VersionMinor, 4, 20)) ||
         (id.VersionMajor == 9 && id.VersionMinor == 48) || id.VersionMajor >= 10;
}

}  // namespace

FamilyMatch FamilyOf(const DeviceIdentity& identity) {
  if (identity.Class == 12 && identity.Group == 1) {
    return {DeviceFamily::kPressureSwitch, ProgrammerVersionSupported(identity)};
  }
  if (identity.Class == 11 && identity.Group == 10) return {DeviceFamily::kSwitchDevice, true};
  if (identity.Class == 15 && identity.Group == 1) {
    return {DeviceFamily::kLevelDevice, LevelDeviceVersionSupported(identity)};
  }
  return {};
}

BusResult IdentifyWithRetry(BusLink& link, std::uint8_t address, DeviceIdentity& identity) {
  if (Identify(link, address, identity) == BusResult::kOk) return BusResult::kOk;
  link.clock().Sleep(kIdentifyRetryPauseMs);
  return Identify(link, address, identity);
}

EngineOutcome IdentifyDevice(BusLink& link, std::uint8_t address, DeviceIdentity& identity,
                             DeviceFamily& family, BusResult* lastResult) {
  family = DeviceFamily::kNone;
  const BusResult result = IdentifyWithRetry(link, address, identity);
  if (lastResult) *lastResult = result;
  if (result != BusResult::kOk) return EngineOutcome::Failure(kMsgNoAnswer);
  const FamilyMatch match = FamilyOf(identity);
  if (!match.supported()) return EngineOutcome::Failure(kMsgNotSupported);
  family = match.family;
  return EngineOutcome::Success();
}

}  // namespace tarnwick
