#include "device/console_state.h"

namespace tarnwick {

void ApplyReadout(ConsoleState& state, const DeviceReadout& readout) {
  state.pressureRangeBar = readout.pressureRangeBar;
  state.pressureRangeShown = {PressureToShown(readout.pressureRangeBar.min, state.pressureUnit),
                              PressureToShown(readout.pressureRangeBar.max, state.pressureUnit)};
  state.pressureDecimals =
      UpdatePressureDecimals(readout.family, state.pressureRangeShown.max, state.pressureDecimals);
  if (readout.analogOutputRange) state.analogOutRange = *readout.analogOutputRange;
  if (readout.analogOutputPresent) state.analogOutputPresent = *readout.analogOutputPresent;
  state.serialNumber = readout.serialNumber;
  for (std::size_t n = 0; n < readout.switches.size(); ++n) {
    const SwitchReadout& sw = readout.switches[n];
    if (sw.outputType) state.switchPresent[n] = *sw.outputType != OutputType::kNone;
    state.switchOff[n] = sw.off;
  }
  if (readout.family == DeviceFamily::kLevelDevice) state.levelUnitIndex = readout.levelUnitIndex;
}

void ApplyFailure(ConsoleState& state) {
  state.deviceFamily = DeviceFamily::kNone;
  state.deviceDataValid = false;
}

}  // namespace tarnwick
