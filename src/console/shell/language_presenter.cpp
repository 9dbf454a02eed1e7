#include "console/shell/language_presenter.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

#include "console/widgets/widget_lookup.h"
#include "texts/message_numbers.h"
#include "texts/message_table.h"

namespace tarnwick {
namespace {

// Each caption of the window that is a text of the message table.
constexpr std::pair<const char*, int> kCaptions[] = {
    {"FileMenuItem", kMsgFileMenu},
    {"OpenMenuItem", kMsgOpenMenu},
    {"SaveAsMenuItem", kMsgSaveAsMenu},
    {"ExitMenuItem", kMsgExitMenu},
    {"SettingsMenuItem", kMsgSettingsMenu},
    {"PortMenuItem", kMsgPortMenu},
    {"LanguageMenuItem", kMsgLanguageMenu},
    {"InfoMenuItem", kMsgInfoMenu},
    {"UnitsMenuItem", kMsgUnitsMenu},
    {"ReadButton", kMsgReadButton},
    {"ProgramButton", kMsgProgramButton},
    {"OnlineSpeedButton", kMsgDisplayButton},
    {"SW1TabSheet", kMsgSwitch1},
    {"Switch1Label", kMsgSwitch1},
    {"SW2TabSheet", kMsgSwitch2},
    {"Switch2Label", kMsgSwitch2},
    {"SerialNumberHeadLabel", kMsgSerialNumberHead},
    {"DeviceTypeHeadLabel", kMsgDeviceTypeHead},
    {"SoftwareVersionHeadLabel", kMsgSoftwareVersionHead},
    {"TemperatureRangeHeadLabel", kMsgTemperatureRangeHead},
    {"PressureRangeHeadLabel", kMsgPressureRangeHead},
    {"AnalogOutputRangeHeadLabel", kMsgAnalogOutputRangeHead},
    {"BusAddressHeadLabel", kMsgBusAddressHead},
    {"SW1OffRadioButton", kMsgFunctionOff},
    {"SW2OffRadioButton", kMsgFunctionOff},
    {"SW1HysteresisRadioButton", kMsgFunctionHysteresis},
    {"SW2HysteresisRadioButton", kMsgFunctionHysteresis},
    {"SW1WindowRadioButton", kMsgFunctionWindow},
    {"SW2WindowRadioButton", kMsgFunctionWindow},
    {"NoAnalogLabel", kMsgNoAnalogOutput},
    {"SW1DelayLabel", kMsgSwitchDelay},
    {"SW2DelayLabel", kMsgSwitchDelay},
};

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
  form_.setWindowTitle(texts_.Text(kMsgWindowTitle));
  qtTexts_.Use(texts_.LanguageIndex());
}

void LanguagePresenter::SelectLanguage(int languageIndex) {
  texts_.SetLanguageIndex(languageIndex);
  MarkLanguage();
}

}  // namespace tarnwick
