#include "cli/readout_json.h"

#include "cli/json_output.h"
#include "cli/shown_values.h"
#include "cli/switch_words.h"
#include "device/identification.h"
#include "view/panel_captions.h"
#include "view/readout_text.h"

namespace tarnwick::cli {
namespace {

nlohmann::ordered_json NullableWord(const char* word, bool known) {
  return known ? nlohmann::ordered_json(word) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json SwitchJson(const DeviceReadout& readout, const SwitchReadout& sw,
                                  PressureUnit unit, int decimals) {
  nlohmann::ordered_json out;
  if (readout.family == DeviceFamily::kPressureSwitch) {
    const bool present = sw.outputType && *sw.outputType != OutputType::kNone;
    out["present"] = present;
    out["outputType"] = NullableWord(sw.outputType ? OutputTypeWord(*sw.outputType) : "",
                                     sw.outputType.has_value());
  }
  out["function"] = NullableWord(sw.selection.function ? FunctionWord(*sw.selection.function) : "",
                                 sw.selection.function.has_value());
  out["contact"] = NullableWord(sw.selection.contact ? ContactWord(*sw.selection.contact) : "",
                                sw.selection.contact.has_value());
  out["high"] = ShownPressure(sw.highBar, unit, decimals);
  out["highBar"] = JsonFloat(sw.highBar);
  out["low"] = ShownPressure(sw.lowBar, unit, decimals);
  out["lowBar"] = JsonFloat(sw.lowBar);
  if (sw.closingDelaySteps && sw.openingDelaySteps) {
    out["closingDelay"] = DelayStepsToSeconds(readout.family, *sw.closingDelaySteps);
    out["closingDelaySteps"] = *sw.closingDelaySteps;
    out["openingDelay"] = DelayStepsToSeconds(readout.family, *sw.openingDelaySteps);
    out["openingDelaySteps"] = *sw.openingDelaySteps;
  }
  return out;
}

nlohmann::ordered_json RangeJson(const ValueRange& range, const char* minKey, const char* maxKey) {
  return {{minKey, JsonFloat(range.min)}, {maxKey, JsonFloat(range.max)}};
}

nlohmann::ordered_json FactoryReadBackJson(const FactoryReadBack& back) {
  nlohmann::ordered_json out;
  out["pressureRange"] = RangeJson(back.pressureRangeBar, "minBar", "maxBar");
  out["temperatureRange"] = RangeJson(back.temperatureRange, "min", "max");
  for (std::size_t n = 0; n < back.switches.size(); ++n) {
    const FactoryReadBack::Switch& s = back.switches[n];
    out["switch" + std::to_string(n + 1)] = {
        {"highBar", JsonFloat(s.highBar)},          {"lowBar", JsonFloat(s.lowBar)},
        {"outputTypeCode", s.outputTypeCode},       {"functionCode", s.functionCode},
        {"closingDelaySteps", s.closingDelaySteps}, {"openingDelaySteps", s.openingDelaySteps},
    };
  }
  out["windowHysteresis"] = back.windowHysteresis;
  return out;
}

nlohmann::ordered_json LevelUnitJson(int index) {
  const auto text = LevelUnitText(index);
  return {{"index", index},
          {"text", text ? nlohmann::ordered_json(*text) : nlohmann::ordered_json(nullptr)}};
}

}  // namespace

nlohmann::ordered_json ReadoutJson(const DeviceReadout& readout, std::uint8_t sessionAddress,
                                   PressureUnit unit) {
  const DeviceFamily family = readout.family;
  const std::uint8_t decimals = ShownDecimals(family, readout.pressureRangeBar.max, unit);
  const ValueRange rangeShown{PressureToShown(readout.pressureRangeBar.min, unit),
                              PressureToShown(readout.pressureRangeBar.max, unit)};

  nlohmann::ordered_json out;
  out["family"] = family;
  out["device"] = FamilyModelName(family);
  out["address"] = sessionAddress;
  out["identity"] = IdentityJson(readout.identity);
  if (readout.attachedSwitch) {
    const AttachedSwitchInfo& info = *readout.attachedSwitch;
    out["attachedSwitch"] = {{"type", ByteDotByte(info.typeFirst, info.typeSecond)},
                             {"version", ByteDotByte(info.versionMajor, info.versionMinor)}};
  }
  out["serialNumber"] = readout.serialNumber;
  if (readout.reportedBusAddress) out["busAddress"] = *readout.reportedBusAddress;
  out["unit"] = PressureUnitText(unit);
  out["decimals"] = decimals;
  out["pressureRange"] = RangeJson(readout.pressureRangeBar, "minBar", "maxBar");
  out["pressureRange"]["text"] = RangeText(
      rangeShown, family == DeviceFamily::kLevelDevice ? kLevelRangeDecimals : decimals, '.');
  out["temperatureRange"] = RangeJson(readout.temperatureRange, "min", "max");
  if (readout.analogOutputRange) {
    out["analogOutput"] = RangeJson(*readout.analogOutputRange, "minVolts", "maxVolts");
    out["analogOutput"]["present"] = readout.analogOutputPresent.value_or(false);
  }
  if (family == DeviceFamily::kLevelDevice)
    out["levelUnit"] = LevelUnitJson(readout.levelUnitIndex);
  out["switch1"] = SwitchJson(readout, readout.switches[0], unit, decimals);
  out["switch2"] = SwitchJson(readout, readout.switches[1], unit, decimals);
  if (readout.factoryReadBack) {
    out["factoryReadBack"] = FactoryReadBackJson(*readout.factoryReadBack);
  }
  return out;
}

}  // namespace tarnwick::cli
