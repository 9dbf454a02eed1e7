#pragma once

#include <QString>
#include <QTranslator>
#include <memory>

namespace tarnwick {

// Qt's own texts, the standard buttons of message boxes and dialogs among
// them, in the console's language: Qt's German or French translation, from
// the translations of the Qt in use, installed in the application while this
// object lives. Where a translation cannot be loaded, Qt's texts stay English.
class QtTranslations {
 public:
  // Qt's texts in language 2 German or 3 French, English for any other index.
  void Use(int languageIndex);

 private:
  // The translation installed now; empty for Qt's English.
  QString installed_;
  std::unique_ptr<QTranslator> translator_;
};

}  // namespace tarnwick
