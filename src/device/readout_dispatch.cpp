#include "device/identification.h"
#include "device/readouts.h"

namespace tarnwick {

ReadoutResult ReadOutDevice(BusLink& link, int family, std::uint8_t sessionAddress,
                            const DeviceIdentity& identity, bool factoryMode,
                            EngineObserver& observer) {
  switch (family) {
    case kFamilyPressureSwitch:
      return ReadOutFamily1(link, sessionAddress, identity, factoryMode, observer);
    case kFamilySwitchDevice:
      return ReadOutFamily2(link, identity, observer);
    case kFamilyLevelDevice:
      return ReadOutFamily4(link, sessionAddress, identity, observer);
    default:
      return {EngineOutcome::Failure(kMsgNotSupported), {}};
  }
}

}  // namespace tarnwick
