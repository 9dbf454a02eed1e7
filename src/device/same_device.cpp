#include "device/same_device.h"

#include "bus/device_commands.h"
#include "device/identification.h"

namespace tarnwick {
namespace {

bool SameModel(const DeviceIdentity& a, const DeviceIdentity& b) {
  return a.Class == b.Class && a.Group == b.Group && a.VersionMajor == b.VersionMajor &&
         a.VersionMinor == b.VersionMinor;
}

}  // namespace

EngineOutcome CheckSameDevice(BusLink& link, std::uint8_t address,
                              const DeviceIdentity& expectedIdentity, std::int32_t expectedSerial) {
  DeviceIdentity identity;
  if (IdentifyWithRetry(link, address, identity) != BusResult::kOk) {
    return EngineOutcome::Failure(kMsgNoAnswer);
  }
  if (!SameModel(identity, expectedIdentity)) return EngineOutcome::Failure(kMsgDeviceChanged);

  std::int32_t serialNumber = 0;
  if (ReadSerialNumber(link, address, serialNumber) != BusResult::kOk) {
    return EngineOutcome::Failure(kMsgNoAnswer);
  }
  if (serialNumber != expectedSerial) return EngineOutcome::Failure(kMsgDeviceChanged);
  return EngineOutcome::Success();
}

}  // namespace tarnwick
