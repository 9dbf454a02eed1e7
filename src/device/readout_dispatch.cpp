#include "device/identification.h"
#include "device/readouts.h"

namespace tarnwick {

ReadoutResult ReadOutDevice(int family, std::uint8_t sessionAddress, const DeviceIdentity& identity,
                            bool factoryMode, Clock& clock, EngineObserver& observer) {
  switch (family) {
    case kFamilyPressureSwitch:
      return ReadOutFamily1(sessionAddress, identity, factoryMode, clock, observer);
    case kFamilySwitchDevice:
      return ReadOutFamily2(identity, observer);
    case kFamilyLevelDevice:
      return ReadOutFamily4(sessionAddress, identity, observer);
    default:
      return {EngineOutcome::Failure(kMsgNotSupported), {}};
  }
}

}  // namespace tarnwick
