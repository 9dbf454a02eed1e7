#include "programming/program_device.h"

#include <array>
#include <cstddef>

#include "bus/device_commands.h"
#include "bus/protocol_numbers.h"
#include "device/value_numbers.h"
#include "programming/programmer_wait.h"
#include "programming/write_sequence.h"

namespace tarnwick {
namespace {

// Where a switch output lives on the bus, and the progress that families 1 and
// 4 show after its parameter block and after its switch points.
struct SwitchPlace {
  std::uint8_t parameter;
  std::uint8_t highCoefficient;
  std::uint8_t lowCoefficient;
  int progressAfterParameter;
  int progressAfterPoints;
};

constexpr std::array<SwitchPlace, 2> kSwitchPlaces{{
    {kParamSwitch1, kCoefSwitch1High, kCoefSwitch1Low, 40, 60},
    {kParamSwitch2, kCoefSwitch2High, kCoefSwitch2Low, 80, 100},
}};

constexpr int kProgressBeforeSwitchOutputs = 30;
// Family 1: the programmer has been told to look for its switch.
constexpr int kProgressSwitchFound = 20;
// Family 2, after each of its three writes.
constexpr int kProgressModesWritten = 10;
constexpr int kProgressSwitch1PointsWritten = 20;
constexpr int kProgressSwitch2PointsWritten = 30;

const SwitchProgramValues& ValuesOf(const NormalProgramInputs& inputs, std::size_t n) {
  return n == 0 ? inputs.switch1 : inputs.switch2;
}

EngineOutcome WriteFailed() { return EngineOutcome::Failure(kMsgWriteFailed); }

BusResult WriteSwitchPoints(BusLink& link, const SwitchPlace& place,
                            const SwitchProgramValues& values) {
  return WriteCoefficients(
      link, kDefaultBusAddress,
      {{place.highCoefficient, values.highBar}, {place.lowCoefficient, values.lowBar}});
}

BusResult WriteSwitchParameter(BusLink& link, const SwitchPlace& place,
                               const SwitchProgramValues& values) {
  ParameterBytes bytes{};
  const BusResult read = ReadParameter(link, kDefaultBusAddress, place.parameter, bytes);
  if (read != BusResult::kOk) return read;
  bytes[0] = EncodeFunctionCode(values.selection).value_or(bytes[0]);
  bytes[1] = values.closingDelaySteps;
  bytes[2] = values.openingDelaySteps;
  return WriteParameter(link, kDefaultBusAddress, place.parameter, bytes);
}

// Families 1 and 4 share the layout of both switch outputs.
EngineOutcome WriteSwitchOutputs(BusLink& link, const NormalProgramInputs& inputs,
                                 EngineObserver& observer) {
  observer.SetProgress(kProgressBeforeSwitchOutputs);
  for (std::size_t n = 0; n < kSwitchPlaces.size(); ++n) {
    const SwitchPlace& place = kSwitchPlaces[n];
    if (WriteSwitchParameter(link, place, ValuesOf(inputs, n)) != BusResult::kOk)
      return WriteFailed();
    observer.SetProgress(place.progressAfterParameter);
    if (WriteSwitchPoints(link, place, ValuesOf(inputs, n)) != BusResult::kOk) return WriteFailed();
    observer.SetProgress(place.progressAfterPoints);
  }
  return EngineOutcome::Success();
}

}  // namespace

EngineOutcome ProgramFamily1(BusLink& link, const NormalProgramInputs& inputs,
                             EngineObserver& observer) {
  if (StartProgrammerJob(link, kDefaultBusAddress, kJobFindSwitch) != BusResult::kOk)
    return WriteFailed();
  observer.SetProgress(kProgressSwitchFound);
  // A programmer still busy after the last poll is written to all the same.
  if (!WaitProgrammerReady(link, kDefaultBusAddress, true, observer).answered()) {
    return WriteFailed();
  }
  return WriteSwitchOutputs(link, inputs, observer);
}

EngineOutcome ProgramFamily2(BusLink& link, std::uint8_t sessionAddress,
                             const NormalProgramInputs& inputs, EngineObserver& observer) {
  ConfigBytes modes{};
  if (ReadConfig(link, sessionAddress, kRegisterSwitchModes, modes) != BusResult::kOk)
    return WriteFailed();
  modes[0] = EncodeModeByte(inputs.switch1.selection);
  modes[1] = EncodeModeByte(inputs.switch2.selection);
  if (WriteConfig(link, sessionAddress, kRegisterSwitchModes, modes) != BusResult::kOk)
    return WriteFailed();
  observer.SetProgress(kProgressModesWritten);
  if (WriteSwitchPoints(link, kSwitchPlaces[0], inputs.switch1) != BusResult::kOk)
    return WriteFailed();
  observer.SetProgress(kProgressSwitch1PointsWritten);
  if (WriteSwitchPoints(link, kSwitchPlaces[1], inputs.switch2) != BusResult::kOk)
    return WriteFailed();
  observer.SetProgress(kProgressSwitch2PointsWritten);
  return EngineOutcome::Success();
}

EngineOutcome ProgramFamily4(BusLink& link, const NormalProgramInputs& inputs,
                             EngineObserver& observer) {
  return WriteSwitchOutputs(link, inputs, observer);
}

}  // namespace tarnwick
