#pragma once

#include <string>

namespace tarnwick {

inline constexpr int kLanguageEnglish = 1;
inline constexpr int kLanguageGerman = 2;
inline constexpr int kLanguageFrench = 3;

// The caption or message `number` (1..100) in language row `languageIndex`
// (1..5), UTF-8. Rows 4 and 5, numbers without a text and anything outside the
// table give the empty text.
const std::string& MessageText(int languageIndex, int number);

}  // namespace tarnwick
