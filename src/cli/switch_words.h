#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/json_fields.h"
#include "device/config_codec.h"

namespace tarnwick::cli {

// The words the command line's files use for a switch output, the same in
// what `read` prints and in what `program` and `factory-program` take:
// "Off", "Hysteresis", "Window"; "NO", "NC"; "none", "NPN", "PNP".

const char* FunctionWord(SwitchFunction function);
const char* ContactWord(SwitchContact contact);
const char* OutputTypeWord(OutputType type);

std::optional<SwitchFunction> ParseFunctionWord(std::string_view word);
std::optional<SwitchContact> ParseContactWord(std::string_view word);
std::optional<OutputType> ParseOutputTypeWord(std::string_view word);

// For messages: the words a key accepts, e.g. "\"Off\", \"Hysteresis\" or \"Window\"".
extern const char* const kFunctionWords;
extern const char* const kContactWords;
extern const char* const kOutputTypeWords;

// "function" and "contact" of a switch object. Hysteresis and Window need a
// contact; Off takes none. A null function, where `functionMayBeNull`, is a
// code the device holds that names no function, to be written back as it is.
SwitchSelection ReadSelection(const JsonObject& sw, bool functionMayBeNull);

}  // namespace tarnwick::cli
