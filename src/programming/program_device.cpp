#include "programming/program_device.h"

#include <array>

#include "bus/commands.h"
#include "bus/functions.h"
#include "programming/programmer_layout.h"
#include "programming/programmer_wait.h"

namespace tarnwick {
namespace {

// Where each switch output lives on the bus, and the progress positions that
// families 1 and 4 reach after its parameter block and after its switch points.
struct SwitchNumbers {
  SwitchProgramValues NormalProgramInputs::*values;
  std::uint8_t parameter;
  std::uint8_t highCoefficient;
  std::uint8_t lowCoefficient;
  int progressAfterParameter;
  int progressAfterPoints;
};

constexpr std::array<SwitchNumbers, 2> kSwitchNumbers{{
    {&NormalProgramInputs::switch1, kParameterSwitch1, kCoefficientSwitch1High,
     kCoefficientSwitch1Low, 40, 60},
    {&NormalProgramInputs::switch2, kParameterSwitch2, kCoefficientSwitch2High,
     kCoefficientSwitch2Low, 80, 100},
}};

EngineOutcome WriteFailed() { return EngineOutcome::Failure(kMsgWriteFailed); }

BusResult WriteSwitchPoints(const SwitchNumbers& numbers, const SwitchProgramValues& values) {
  return WriteCoefficients(kDefaultBusAddress, {{numbers.highCoefficient, values.highBar},
                                                {numbers.lowCoefficient, values.lowBar}});
}

// D3 is the device's own, and so is D0 when the selection names no function code.
BusResult WriteSwitchParameter(const SwitchNumbers& numbers, const SwitchProgramValues& values) {
  ParameterBytes bytes{};
  const BusResult read = ReadParameter(kDefaultBusAddress, numbers.parameter, bytes);
  if (read != kBusOk) return read;
  bytes[0] = EncodeFunctionCode(values.selection).value_or(bytes[0]);
  bytes[1] = values.closingDelaySteps;
  bytes[2] = values.openingDelaySteps;
  return WriteParameter(kDefaultBusAddress, numbers.parameter, bytes);
}

// Families 1 and 4 share the layout of both switch outputs.
EngineOutcome WriteSwitchOutputs(const NormalProgramInputs& inputs, EngineObserver& observer) {
  for (const SwitchNumbers& numbers : kSwitchNumbers) {
    const SwitchProgramValues& values = inputs.*numbers.values;
    if (WriteSwitchParameter(numbers, values) != kBusOk) return WriteFailed();
    observer.SetProgress(numbers.progressAfterParameter);
    if (WriteSwitchPoints(numbers, values) != kBusOk) return WriteFailed();
    observer.SetProgress(numbers.progressAfterPoints);
  }
  return EngineOutcome::Success();
}

}  // namespace

EngineOutcome ProgramFamily1(const NormalProgramInputs& inputs, Clock& clock,
                             EngineObserver& observer) {
  if (StartProgrammerJob(kDefaultBusAddress, kJobFindSwitch) != kBusOk) return WriteFailed();
  observer.SetProgress(20);
  if (!WaitProgrammerReady(kDefaultBusAddress, true, clock, observer).answered()) {
    return WriteFailed();
  }
  observer.SetProgress(30);
  return WriteSwitchOutputs(inputs, observer);
}

EngineOutcome ProgramFamily2(std::uint8_t sessionAddress, const NormalProgramInputs& inputs,
                             EngineObserver& observer) {
  ConfigBytes modes{};
  if (ReadConfig(sessionAddress, kRegisterSwitchModes, modes) != kBusOk) return WriteFailed();
  modes[0] = EncodeModeByte(inputs.switch1.selection);
  modes[1] = EncodeModeByte(inputs.switch2.selection);
  if (WriteConfig(sessionAddress, kRegisterSwitchModes, modes) != kBusOk) return WriteFailed();
  observer.SetProgress(10);
  if (WriteSwitchPoints(kSwitchNumbers[0], inputs.switch1) != kBusOk) return WriteFailed();
  observer.SetProgress(20);
  if (WriteSwitchPoints(kSwitchNumbers[1], inputs.switch2) != kBusOk) return WriteFailed();
  observer.SetProgress(30);
  return EngineOutcome::Success();
}

EngineOutcome ProgramFamily4(const NormalProgramInputs& inputs, EngineObserver& observer) {
  return WriteSwitchOutputs(inputs, observer);
}

}  // namespace tarnwick
