#pragma once

#include <string>

#include "view/number_text.h"

namespace tarnwick {

// What the error box says about text that is not a number, in language 1
// English, 2 German or 3 French (anything else English): "'abc' is not a valid
// floating point value", or "... integer value" for a whole number.
std::string ConvertErrorText(const EConvertError& error, int languageIndex);

}  // namespace tarnwick
