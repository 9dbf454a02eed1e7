#include "programming/program_and_read_back.h"

#include "device/readouts.h"
#include "programming/program_device.h"
#include "programming/same_device.h"

namespace tarnwick {
namespace {

constexpr int kProgressBeforeFamily1ReadOut = 5;

bool Programmable(int family) {
  return family == kFamilyPressureSwitch || family == kFamilySwitchDevice ||
         family == kFamilyLevelDevice;
}

EngineOutcome ProgramFamily(const ProgrammingTarget& target, const NormalProgramInputs& inputs,
                            Clock& clock, EngineObserver& observer) {
  switch (target.family) {
    case kFamilyPressureSwitch:
      return ProgramFamily1(inputs, clock, observer);
    case kFamilySwitchDevice:
      return ProgramFamily2(target.sessionAddress, inputs, observer);
    default:
      return ProgramFamily4(inputs, observer);
  }
}

ReadoutResult ReadBack(const ProgrammingTarget& target, Clock& clock, EngineObserver& observer) {
  if (target.family == kFamilyPressureSwitch) observer.SetProgress(kProgressBeforeFamily1ReadOut);
  return ReadOutDevice(target.family, target.sessionAddress, target.identity, false, clock,
                       observer);
}

}  // namespace

ReadoutResult ProgramAndReadBack(const ProgrammingTarget& target, const NormalProgramInputs& inputs,
                                 Clock& clock, EngineObserver& observer) {
  if (target.family == kFamilyNone) return {EngineOutcome::Success(), std::nullopt};
  if (!Programmable(target.family)) return {EngineOutcome::Failure(kMsgNotSupported), {}};
  const EngineOutcome same =
      CheckSameDevice(target.sessionAddress, target.identity, target.serialNumber, clock);
  if (!same.succeeded()) return {same, {}};
  const EngineOutcome written = ProgramFamily(target, inputs, clock, observer);
  if (!written.succeeded()) return {written, {}};
  return ReadBack(target, clock, observer);
}

}  // namespace tarnwick
