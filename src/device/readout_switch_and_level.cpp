#include "bus/device_commands.h"
#include "bus/protocol_numbers.h"
#include "device/identification.h"
#include "device/readout_engines.h"
#include "device/readout_steps.h"
#include "device/value_numbers.h"

namespace tarnwick {
namespace {

// Where the progress bar stands after each step of the read-outs; both end at
// kProgressDone.
constexpr int kProgressRangesRead = 60;  // family 2
constexpr int kProgressSwitch1PointsRead = 70;
constexpr int kProgressSwitch2PointsRead = 80;
constexpr int kProgressSerialNumberRead = 90;  // family 2
constexpr int kProgressDone = 100;

// Both families report the same progress after each switch's pair of points.
bool ReadSwitchPointsOf(BusLink& link, std::uint8_t address, DeviceReadout& r,
                        EngineObserver& observer) {
  auto& [sw1, sw2] = r.switches;
  if (ReadSwitchPoints(link, address, kCoefSwitch1High, kCoefSwitch1Low, sw1.highBar, sw1.lowBar) !=
      BusResult::kOk) {
    return false;
  }
  observer.SetProgress(kProgressSwitch1PointsRead);
  if (ReadSwitchPoints(link, address, kCoefSwitch2High, kCoefSwitch2Low, sw2.highBar, sw2.lowBar) !=
      BusResult::kOk) {
    return false;
  }
  observer.SetProgress(kProgressSwitch2PointsRead);
  return true;
}

void ApplyModeByte(std::uint8_t mode, SwitchReadout& sw) {
  sw.modeByte = mode;
  sw.off = (mode & kModeBitOff) != 0;
  sw.selection = DecodeModeByte(mode);
}

DeviceReadout StartReadout(DeviceFamily family, const DeviceIdentity& identity) {
  DeviceReadout r;
  r.family = family;
  r.identity = identity;
  return r;
}

}  // namespace

ReadoutResult ReadOutFamily2(BusLink& link, const DeviceIdentity& identity,
                             EngineObserver& observer) {
  constexpr std::uint8_t kAddress = kDefaultBusAddress;
  DeviceReadout r = StartReadout(DeviceFamily::kSwitchDevice, identity);
  if (ReadRange(link, kAddress, kCoefPressureRangeMin, kCoefPressureRangeMax, r.pressureRangeBar) !=
          BusResult::kOk ||
      ReadRange(link, kAddress, kCoefTemperatureMin, kCoefTemperatureMax, r.temperatureRange) !=
          BusResult::kOk) {
    return ReadoutFailed();
  }
  observer.SetProgress(kProgressRangesRead);
  ConfigBytes modes{};
  if (ReadConfig(link, kAddress, kRegisterSwitchModes, modes) != BusResult::kOk)
    return ReadoutFailed();
  ApplyModeByte(modes[0], r.switches[0]);
  ApplyModeByte(modes[1], r.switches[1]);
  if (!ReadSwitchPointsOf(link, kAddress, r, observer)) return ReadoutFailed();
  if (ReadSerialNumber(link, kAddress, r.serialNumber) != BusResult::kOk) return ReadoutFailed();
  observer.SetProgress(kProgressSerialNumberRead);
  std::uint8_t reported = 0;
  if (SetBusAddress(link, kAddress, 0, reported) != BusResult::kOk) return ReadoutFailed();
  r.reportedBusAddress = reported;
  observer.SetProgress(kProgressDone);
  return {EngineOutcome::Success(), r};
}

ReadoutResult ReadOutFamily4(BusLink& link, std::uint8_t sessionAddress,
                             const DeviceIdentity& identity, EngineObserver& observer) {
  // The device's identity values answer at the default address; its switch
  // settings at the address the session chose.
  constexpr std::uint8_t kIdentityAddress = kDefaultBusAddress;
  DeviceReadout r = StartReadout(DeviceFamily::kLevelDevice, identity);
  if (ReadSerialNumber(link, kIdentityAddress, r.serialNumber) != BusResult::kOk ||
      ReadRange(link, kIdentityAddress, kCoefPressureRangeMin, kCoefPressureRangeMax,
                r.pressureRangeBar) != BusResult::kOk ||
      ReadRange(link, kIdentityAddress, kCoefTemperatureMin, kCoefTemperatureMax,
                r.temperatureRange) != BusResult::kOk ||
      !ReadSwitchPointsOf(link, sessionAddress, r, observer)) {
    return ReadoutFailed();
  }
  ParameterBytes settings{};
  if (ReadParameter(link, sessionAddress, kParamSwitch1, settings) != BusResult::kOk)
    return ReadoutFailed();
  ApplySwitchParameter(settings, r.switches[0]);
  if (ReadParameter(link, sessionAddress, kParamSwitch2, settings) != BusResult::kOk)
    return ReadoutFailed();
  ApplySwitchParameter(settings, r.switches[1]);
  ConfigBytes unit{};
  if (ReadConfig(link, sessionAddress, kRegisterLevelUnit, unit) != BusResult::kOk)
    return ReadoutFailed();
  r.levelUnitIndex = unit[0];
  observer.SetProgress(kProgressDone);
  return {EngineOutcome::Success(), r};
}

}  // namespace tarnwick
