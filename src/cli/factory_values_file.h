#pragma once

#include <nlohmann/json.hpp>

#include "programming/programming_inputs.h"

namespace tarnwick::cli {

// The programming values of `factory-program`, the fields of the console's
// factory programming page:
//   {"pressureRange": {"minBar", "maxBar"}, "temperatureRange": {"min", "max"},
//    "analogOutput": true|false, "windowHysteresis": 0..255,
//    "switch1"/"switch2": {"outputType", "function", "contact", "highBar", "lowBar",
//                          "closingDelaySteps", "openingDelaySteps"}}
// Pressures are bar and written as they stand. Codes and steps must fit their
// byte (the console would send only the lowest byte). The addresses and serial
// numbers come from the command line. Throws FileError naming the key.
FactoryProgramInputs ParseFactoryValues(const nlohmann::json& file);

}  // namespace tarnwick::cli
