#include "view/number_error_text.h"

#include "texts/console_texts.h"

namespace tarnwick {

std::string NumberErrorMessage(std::string_view text, NumberKind kind, std::string_view field,
                               int languageIndex) {
  const ConsoleText key =
      kind == NumberKind::kFloat ? ConsoleText::kNotANumber : ConsoleText::kNotAWholeNumber;
  std::string message = ConsoleTextWith(languageIndex, key, {text});
  if (field.empty()) return message;
  return ConsoleTextWith(languageIndex, ConsoleText::kInField, {field, message});
}

std::string NumberErrorText(const NumberTextError& error, int languageIndex) {
  return NumberErrorMessage(error.text(), error.kind(), error.field(), languageIndex);
}

}  // namespace tarnwick
