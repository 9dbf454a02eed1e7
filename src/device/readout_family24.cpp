#include "bus/commands.h"
#include "bus/functions.h"
#include "device/bus_numbers.h"
#include "device/identification.h"
#include "device/readout_steps.h"
#include "device/readouts.h"

namespace tarnwick {
namespace {

// Both families report the same progress after each switch's pair of points.
bool ReadSwitchPointsOf(std::uint8_t address, DeviceReadout& r, EngineObserver& observer) {
  auto& [sw1, sw2] = r.switches;
  if (ReadSwitchPoints(address, kCoefSwitch1High, kCoefSwitch1Low, sw1.highBar, sw1.lowBar) !=
      kBusOk) {
    return false;
  }
  observer.SetProgress(70);
  if (ReadSwitchPoints(address, kCoefSwitch2High, kCoefSwitch2Low, sw2.highBar, sw2.lowBar) !=
      kBusOk) {
    return false;
  }
  observer.SetProgress(80);
  return true;
}

void ApplyModeByte(std::uint8_t mode, SwitchReadout& sw) {
  sw.modeByte = mode;
  sw.off = (mode & kModeBitOff) != 0;
  sw.selection = DecodeModeByte(mode);
}

DeviceReadout StartReadout(int family, const DeviceIdentity& identity) {
  DeviceReadout r;
  r.family = family;
  r.identity = identity;
  return r;
}

}  // namespace

ReadoutResult ReadOutFamily2(const DeviceIdentity& identity, EngineObserver& observer) {
  constexpr std::uint8_t kAddress = kDefaultBusAddress;
  DeviceReadout r = StartReadout(kFamilySwitchDevice, identity);
  if (ReadRange(kAddress, kCoefPressureRangeMin, kCoefPressureRangeMax, r.pressureRangeBar) !=
          kBusOk ||
      ReadRange(kAddress, kCoefTemperatureMin, kCoefTemperatureMax, r.temperatureRange) != kBusOk) {
    return ReadoutFailed();
  }
  observer.SetProgress(60);
  ConfigBytes modes{};
  if (ReadConfig(kAddress, kRegisterSwitchModes, modes) != kBusOk) return ReadoutFailed();
  ApplyModeByte(modes[0], r.switches[0]);
  ApplyModeByte(modes[1], r.switches[1]);
  if (!ReadSwitchPointsOf(kAddress, r, observer)) return ReadoutFailed();
  if (ReadSerialNumber(kAddress, r.serialNumber) != kBusOk) return ReadoutFailed();
  observer.SetProgress(90);
  std::uint8_t reported = 0;
  if (SetBusAddress(kAddress, 0, reported) != kBusOk) return ReadoutFailed();
  r.reportedBusAddress = reported;
  observer.SetProgress(100);
  return {EngineOutcome::Success(), r};
}

ReadoutResult ReadOutFamily4(std::uint8_t sessionAddress, const DeviceIdentity& identity,
                             EngineObserver& observer) {
  // The device's identity values answer at the default address; its switch
  // settings at the address the session chose.
  constexpr std::uint8_t kIdentityAddress = kDefaultBusAddress;
  DeviceReadout r = StartReadout(kFamilyLevelDevice, identity);
  if (ReadSerialNumber(kIdentityAddress, r.serialNumber) != kBusOk ||
      ReadRange(kIdentityAddress, kCoefPressureRangeMin, kCoefPressureRangeMax,
                r.pressureRangeBar) != kBusOk ||
      ReadRange(kIdentityAddress, kCoefTemperatureMin, kCoefTemperatureMax, r.temperatureRange) !=
          kBusOk ||
      !ReadSwitchPointsOf(sessionAddress, r, observer)) {
    return ReadoutFailed();
  }
  ParameterBytes settings{};
  if (ReadParameter(sessionAddress, kParamSwitch1, settings) != kBusOk) return ReadoutFailed();
  ApplySwitchParameter(settings, r.switches[0]);
  if (ReadParameter(sessionAddress, kParamSwitch2, settings) != kBusOk) return ReadoutFailed();
  ApplySwitchParameter(settings, r.switches[1]);
  ConfigBytes unit{};
  if (ReadConfig(sessionAddress, kRegisterLevelUnit, unit) != kBusOk) return ReadoutFailed();
  r.levelUnitIndex = unit[0];
  observer.SetProgress(100);
  return {EngineOutcome::Success(), r};
}

}  // namespace tarnwick
