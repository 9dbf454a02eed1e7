#pragma once

#include <QList>

#include "console/widgets/language_texts.h"
#include "console/widgets/qt_translations.h"

class QAction;
class QObject;
class QWidget;

namespace tarnwick {

// The Language menu and the captions of the main window that follow the
// language: menus, buttons, tabs, panel headings, radio buttons, and Qt's own
// texts such as the buttons of message boxes. Only captions change;
// visibility, enabled state, marks and values stay.
class LanguagePresenter {
 public:
  // `texts` outlives the presenter.
  LanguagePresenter(QWidget& form, LanguageTexts& texts);

  // Marks the item of the current language: German, French, or English for
  // every other language index.
  void MarkLanguage();
  // Puts the captions of the current language on the window and installs
  // Qt's translation of that language.
  void ApplyCaptions();
  // A language item clicked: the language becomes `languageIndex` and its
  // item is marked; the caller then applies the captions of the whole window.
  void SelectLanguage(int languageIndex);

 private:
  struct Caption {
    QObject* target;
    int number;
  };

  QWidget& form_;
  LanguageTexts& texts_;
  QList<Caption> captions_;
  QAction* german_;
  QAction* english_;
  QAction* french_;
  QtTranslations qtTexts_;
};

}  // namespace tarnwick
