#include "device/identification.h"
#include "device/readout_engines.h"

namespace tarnwick {

ReadoutResult ReadOutDevice(BusLink& link, DeviceFamily family, std::uint8_t sessionAddress,
                            const DeviceIdentity& identity, bool factoryMode,
                            EngineObserver& observer) {
  switch (family) {
    case DeviceFamily::kPressureSwitch:
      return ReadOutFamily1(link, sessionAddress, identity, factoryMode, observer);
    case DeviceFamily::kSwitchDevice:
      return ReadOutFamily2(link, identity, observer);
    case DeviceFamily::kLevelDevice:
      return ReadOutFamily4(link, sessionAddress, identity, observer);
    default:
      return {EngineOutcome::Failure(kMsgNotSupported), {}};
  }
}

}  // namespace tarnwick
