#include "view/convert_error_text.h"

#include "texts/console_texts.h"

namespace tarnwick {

std::string ConvertErrorText(const EConvertError& error, int languageIndex) {
  const ConsoleText key =
      error.kind() == NumberKind::kFloat ? ConsoleText::kNotAFloat : ConsoleText::kNotAnInteger;
  return ConsoleTextWith(languageIndex, key, {error.text()});
}

}  // namespace tarnwick
