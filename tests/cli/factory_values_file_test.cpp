#include "cli/factory_values_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "cli/json_fields.h"

namespace tarnwick::cli {
namespace {

using nlohmann::json;

json ValuesFile() {
  return json::parse(R"({
    "pressureRange": {"minBar": -1, "maxBar": 25},
    "temperatureRange": {"min": -20, "max": 70},
    "analogOutput": true,
    "windowHysteresis": 17,
    "switch1": {"outputType": "PNP", "function": "Window", "contact": "NC",
                "highBar": 12.5, "lowBar": 10, "closingDelaySteps": 25, "openingDelaySteps": 50},
    "switch2": {"outputType": "none", "function": "Off",
                "highBar": 8, "lowBar": 2, "closingDelaySteps": 0, "openingDelaySteps": 255}
  })");
}

TEST(FactoryValuesFile, GivesTheProgrammingPageAsWritten) {
  const FactoryProgramInputs in = ParseFactoryValues(ValuesFile());
  EXPECT_EQ(in.pressureRangeMinBar, -1.0F);
  EXPECT_EQ(in.temperatureRangeMax, 70.0F);
  EXPECT_TRUE(in.analogOutSelected);
  EXPECT_EQ(in.windowHysteresis, 17);
  EXPECT_EQ(in.switch1.outputType, 2);
  EXPECT_EQ(in.switch1.functionCode, 4);
  EXPECT_EQ(in.switch1.highBar, 12.5F);
  EXPECT_EQ(in.switch2.outputType, 0);
  EXPECT_EQ(in.switch2.functionCode, 0);
  EXPECT_EQ(in.switch2.openingDelaySteps, 255);
  // The addresses and serial numbers come from the command line.
  EXPECT_FALSE(in.writeSerialNumbers);
}

TEST(FactoryValuesFile, EveryMistakeIsRefusedNamingItsKey) {
  struct Mistake {
    std::function<void(json&)> edit;
    std::string refusal;
  };
  const Mistake mistakes[] = {
      {[](json& f) { f.erase("analogOutput"); }, "analogOutput: missing"},
      {[](json& f) { f["analogOutput"] = 1; }, "analogOutput: must be true or false, not a number"},
      {[](json& f) { f["pressureRange"]["maxBar"] = "25"; },
       "pressureRange.maxBar: must be a number, not a text"},
      {[](json& f) { f["temperatureRange"]["min"] = 1e39; },
       "temperatureRange.min: is too large for a 32-bit float"},
      {[](json& f) { f["windowHysteresis"] = 256; },
       "windowHysteresis: must lie between 0 and 255"},
      {[](json& f) { f["windowHysteresis"] = -1; }, "windowHysteresis: must lie between 0 and 255"},
      {[](json& f) { f["switch1"]["outputType"] = "pnp"; },
       "switch1.outputType: must be \"none\", \"NPN\" or \"PNP\""},
      {[](json& f) { f["switch2"]["function"] = nullptr; },
       "switch2.function: must be \"Off\", \"Hysteresis\" or \"Window\", not null"},
      {[](json& f) { f["switch1"].erase("contact"); },
       "switch1.contact: missing: Window needs \"NO\" or \"NC\""},
      {[](json& f) { f["switch2"]["closingDelaySteps"] = 2.5; },
       "switch2.closingDelaySteps: must be a whole number, not 2.5"},
      {[](json& f) { f["switch2"].erase("lowBar"); }, "switch2.lowBar: missing"},
  };
  for (const Mistake& m : mistakes) {
    json file = ValuesFile();
    m.edit(file);
    try {
      ParseFactoryValues(file);
      ADD_FAILURE() << "accepted; expected: " << m.refusal;
    } catch (const FileError& error) {
      EXPECT_EQ(error.what(), m.refusal);
    }
  }
}

}  // namespace
}  // namespace tarnwick::cli
