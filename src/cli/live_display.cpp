#include "cli/live_display.h"

#include "cli/shown_values.h"
#include "device/identification.h"
#include "texts/message_numbers.h"
#include "texts/message_table.h"
#include "view/number_text.h"
#include "view/readout_text.h"

namespace tarnwick::cli {
namespace {

constexpr int kVoltageDecimals = 2;

bool SwitchPresent(const SwitchReadout& sw) {
  return sw.outputType && *sw.outputType != OutputType::kNone;
}

}  // namespace

LiveDisplay::LiveDisplay(const DeviceReadout& readout, PressureUnit unit)
    : family_(readout.family),
      unit_(unit),
      decimals_(ShownDecimals(readout.family, readout.pressureRangeBar.max, unit)),
      levelUnitIndex_(readout.levelUnitIndex) {
  if (family_ == DeviceFamily::kPressureSwitch) {
    present_ = {SwitchPresent(readout.switches[0]), SwitchPresent(readout.switches[1])};
  }
}

nlohmann::ordered_json LiveDisplay::SwitchState(std::size_t output) const {
  if (!present_[output]) return nullptr;
  switch (shown_[output]) {
    case OutputState::kOpen:
      return "open";
    case OutputState::kClosed:
      return "closed";
    case OutputState::kUnchanged:
      break;
  }
  return nullptr;
}

nlohmann::ordered_json LiveDisplay::Line(int tick, const LiveReading& reading) {
  if (reading.states.output1 != OutputState::kUnchanged) shown_[0] = reading.states.output1;
  if (reading.states.output2 != OutputState::kUnchanged) shown_[1] = reading.states.output2;

  nlohmann::ordered_json line;
  line["tick"] = tick;
  if (family_ == DeviceFamily::kLevelDevice) {
    // The level channel is shown as read, in the device's own unit.
    line["value"] =
        reading.value
            ? nlohmann::ordered_json(FormatFixed(*reading.value, decimals_, kPanelPrecision, '.'))
            : nlohmann::ordered_json(nullptr);
    const auto unit = LevelUnitText(levelUnitIndex_);
    line["unit"] = unit ? nlohmann::ordered_json(*unit) : nlohmann::ordered_json(nullptr);
  } else if (reading.value) {
    line["value"] = ShownPressure(*reading.value, unit_, decimals_);
    line["unit"] = PressureUnitText(unit_);
  } else {
    line["value"] = nullptr;
    line["unit"] = nullptr;
  }
  if (family_ == DeviceFamily::kPressureSwitch) {
    line["voltage"] = reading.voltage
                          ? nlohmann::ordered_json(FormatFixed(*reading.voltage, kVoltageDecimals,
                                                               kPanelPrecision, '.'))
                          : nlohmann::ordered_json(nullptr);
    const bool analog = reading.analogOutputPresent.value_or(false);
    line["analogOutput"] = analog;
    if (!analog) line["text"] = MessageText(kLanguageEnglish, kMsgNoAnalogOutput);
  }
  line["switch1"] = SwitchState(0);
  line["switch2"] = SwitchState(1);
  return line;
}

}  // namespace tarnwick::cli
