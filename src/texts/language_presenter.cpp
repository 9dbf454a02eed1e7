#include "texts/language_presenter.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

#include "texts/message_table.h"
#include "ui/widgets.h"

namespace tarnwick {
namespace {

// Each caption of the window that is a text of the message table.
constexpr std::pair<const char*, int> kCaptions[] = {
    {"FileMenuItem", 1},
    {"OpenMenuItem", 2},
    {"SaveAsMenuItem", 3},
    {"ExitMenuItem", 4},
    {"SettingsMenuItem", 5},
    {"PortMenuItem", 6},
    {"LanguageMenuItem", 7},
    {"InfoMenuItem", 8},
    {"UnitsMenuItem", 9},
    {"ReadButton", 10},
    {"ProgramButton", 11},
    {"OnlineSpeedButton", 12},
    {"SW1TabSheet", 20},
    {"Switch1Label", 20},
    {"SW2TabSheet", 21},
    {"Switch2Label", 21},
    {"SerialNumberHeadLabel", 22},
    {"DeviceTypeHeadLabel", 23},
    {"SoftwareVersionHeadLabel", 24},
    {"TemperatureRangeHeadLabel", 25},
    {"PressureRangeHeadLabel", 26},
    {"AnalogOutputRangeHeadLabel", 27},
    {"BusAddressHeadLabel", 28},
    {"SW1OffRadioButton", 30},
    {"SW2OffRadioButton", 30},
    {"SW1HysteresisRadioButton", 31},
    {"SW2HysteresisRadioButton", 31},
    {"SW1WindowRadioButton", 32},
    {"SW2WindowRadioButton", 32},
    {"NoAnalogLabel", 34},
    {"SW1DelayLabel", 35},
    {"SW2DelayLabel", 35},
};
constexpr int kWindowTitle = 33;
constexpr int kSetComPortItem = 13;

// A tab's caption belongs to the tab bar of the pages it sits in.
void SetTabCaption(QWidget& page, const QString& text) {
  for (QObject* up = page.parent(); up; up = up->parent()) {
    if (auto* pages = qobject_cast<QTabWidget*>(up)) {
      pages->setTabText(pages->indexOf(&page), text);
      return;
    }
  }
}

void SetCaption(QObject& target, const QString& text) {
  if (auto* menu = qobject_cast<QMenu*>(&target)) {
    menu->setTitle(text);
  } else if (auto* action = qobject_cast<QAction*>(&target)) {
    action->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(&target)) {
    button->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(&target)) {
    label->setText(text);
  } else if (auto* page = qobject_cast<QWidget*>(&target)) {
    SetTabCaption(*page, text);
  }
}

}  // namespace

LanguagePresenter::LanguagePresenter(QWidget& form, LanguageTexts& texts)
    : form_(form),
      texts_(texts),
      german_(FindWidget<QAction>(form, "GermanMenuItem")),
      english_(FindWidget<QAction>(form, "EnglishMenuItem")),
      french_(FindWidget<QAction>(form, "FrenchMenuItem")) {
  for (const auto& [name, number] : kCaptions) {
    captions_.push_back({FindWidget<QObject>(form, name), number});
  }
}

void LanguagePresenter::MarkLanguage() {
  const int language = texts_.LanguageIndex();
  german_->setChecked(language == kLanguageGerman);
  french_->setChecked(language == kLanguageFrench);
  english_->setChecked(language != kLanguageGerman && language != kLanguageFrench);
}

void LanguagePresenter::ApplyCaptions() {
  for (const Caption& caption : captions_) {
    SetCaption(*caption.target, texts_.Text(caption.number));
  }
  // The Port menu is rebuilt as ports come and go; its first item is always
  // the one that opens the port dialog.
  const auto* portMenu = FindWidget<QMenu>(form_, "PortMenuItem");
  if (!portMenu->actions().isEmpty()) {
    portMenu->actions().first()->setText(texts_.Text(kSetComPortItem));
  }
  form_.setWindowTitle(texts_.Text(kWindowTitle));
  qtTexts_.Use(texts_.LanguageIndex());
}

void LanguagePresenter::SelectLanguage(int languageIndex) {
  texts_.SetLanguageIndex(languageIndex);
  MarkLanguage();
}

}  // namespace tarnwick
