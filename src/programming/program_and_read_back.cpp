#include "programming/program_and_read_back.h"

#include "device/readout_engines.h"
#include "device/same_device.h"
#include "programming/program_device.h"

namespace tarnwick {
namespace {

constexpr int kProgressBeforeFamily1ReadOut = 5;

bool Programmable(DeviceFamily family) {
  return family == DeviceFamily::kPressureSwitch || family == DeviceFamily::kSwitchDevice ||
         family == DeviceFamily::kLevelDevice;
}

EngineOutcome ProgramFamily(BusLink& link, const ProgrammingTarget& target,
                            const NormalProgramInputs& inputs, EngineObserver& observer) {
  switch (target.family) {
    case DeviceFamily::kPressureSwitch:
      return ProgramFamily1(link, inputs, observer);
    case DeviceFamily::kSwitchDevice:
      return ProgramFamily2(link, target.sessionAddress, inputs, observer);
    default:
      return ProgramFamily4(link, inputs, observer);
  }
}

ReadoutResult ReadBack(BusLink& link, const ProgrammingTarget& target, EngineObserver& observer) {
  if (target.family == DeviceFamily::kPressureSwitch)
    observer.SetProgress(kProgressBeforeFamily1ReadOut);
  return ReadOutDevice(link, target.family, target.sessionAddress, target.identity, false,
                       observer);
}

}  // namespace

ReadoutResult ProgramAndReadBack(BusLink& link, const ProgrammingTarget& target,
                                 const NormalProgramInputs& inputs, EngineObserver& observer) {
  if (target.family == DeviceFamily::kNone) return {EngineOutcome::Success(), std::nullopt};
  if (!Programmable(target.family)) return {EngineOutcome::Failure(kMsgNotSupported), {}};
  const EngineOutcome same =
      CheckSameDevice(link, target.sessionAddress, target.identity, target.serialNumber);
  if (!same.succeeded()) return {same, {}};
  const EngineOutcome written = ProgramFamily(link, target, inputs, observer);
  if (!written.succeeded()) return {written, {}};
  return ReadBack(link, target, observer);
}

}  // namespace tarnwick
