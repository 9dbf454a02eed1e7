#pragma once

#include <QString>

#include "texts/message_table.h"

namespace tarnwick {

// The console's texts in the language chosen now. Every presenter asks it at
// the moment it shows a text, so a message always comes in the current
// language; the language presenter changes it.
class LanguageTexts {
 public:
  int LanguageIndex() const { return languageIndex_; }
  void SetLanguageIndex(int languageIndex) { languageIndex_ = languageIndex; }

  // Entry `number` of the message table.
  QString Text(int number) const {
    return QString::fromStdString(MessageText(languageIndex_, number));
  }

 private:
  int languageIndex_ = kLanguageEnglish;
};

}  // namespace tarnwick
