#include "cli/factory_values_file.h"

#include <string>

#include "cli/json_fields.h"
#include "cli/switch_words.h"
#include "device/config_codec.h"

namespace tarnwick::cli {
namespace {

constexpr long long kByteMax = 255;

FactorySwitchValues ReadSwitch(const JsonObject& sw) {
  FactorySwitchValues values;
  const auto type = ParseOutputTypeWord(sw.String("outputType"));
  if (!type) sw.Fail("outputType", std::string("must be ") + kOutputTypeWords);
  values.outputType = static_cast<std::uint8_t>(*type);
  // A required function with its contact always gives a code.
  values.functionCode = *EncodeFunctionCode(ReadSelection(sw, false));
  values.highBar = sw.Float("highBar");
  values.lowBar = sw.Float("lowBar");
  values.closingDelaySteps =
      static_cast<std::uint8_t>(sw.Integer("closingDelaySteps", 0, kByteMax));
  values.openingDelaySteps =
      static_cast<std::uint8_t>(sw.Integer("openingDelaySteps", 0, kByteMax));
  return values;
}

}  // namespace

FactoryProgramInputs ParseFactoryValues(const nlohmann::json& json) {
  const JsonObject file(json);
  FactoryProgramInputs inputs;
  const JsonObject pressure = file.Object("pressureRange");
  inputs.pressureRangeMinBar = pressure.Float("minBar");
  inputs.pressureRangeMaxBar = pressure.Float("maxBar");
  const JsonObject temperature = file.Object("temperatureRange");
  inputs.temperatureRangeMin = temperature.Float("min");
  inputs.temperatureRangeMax = temperature.Float("max");
  inputs.analogOutSelected = file.Boolean("analogOutput");
  inputs.windowHysteresis =
      static_cast<std::uint8_t>(file.Integer("windowHysteresis", 0, kByteMax));
  inputs.switch1 = ReadSwitch(file.Object("switch1"));
  inputs.switch2 = ReadSwitch(file.Object("switch2"));
  return inputs;
}

}  // namespace tarnwick::cli
