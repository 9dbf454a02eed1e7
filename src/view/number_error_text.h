#pragma once

#include <string>
#include <string_view>

#include "view/number_text.h"

namespace tarnwick {

// What the error box says about text that is not a number, in language 1
// English, 2 German or 3 French (anything else English): "\"abc\" is not a
// number.", or "... whole number." where one was wanted, with the field's
// caption in front where the error names one ("Switch 1, high switch point:
// ...").
std::string NumberErrorText(const NumberTextError& error, int languageIndex);
// The same for a text, its kind and a field's caption (empty for none).
std::string NumberErrorMessage(std::string_view text, NumberKind kind, std::string_view field,
                               int languageIndex);

}  // namespace tarnwick
