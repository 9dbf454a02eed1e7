#include "console/panel/entry_presenter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "console/widgets/locale_number.h"
#include "texts/console_texts.h"
#include "view/entry_rules.h"
#include "view/number_text.h"

namespace tarnwick {
namespace {

// The character a key stroke types, or none for keys that type nothing
// (arrows, Home, Delete), which the filter lets through as they are.
std::optional<char> TypedCharacter(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Backspace) return kBackspace;
  const QString text = key.text();
  if (text.size() != 1 || !text.at(0).isPrint()) return std::nullopt;
  const char16_t typed = text.at(0).unicode();
  // Anything outside ASCII is neither a digit nor a separator.
  return typed < 0x80 ? static_cast<char>(typed) : '\x7F';
}

// Leaving the edit for another control of the window; a box or a menu taking
// the window's focus for a moment (the conversion error's own box among them)
// is not leaving it.
bool MovedWithinTheWindow(const QEvent& event) {
  const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// Which of a tab's four edits `edit` is, as the texts name them.
ConsoleText FieldOf(const SwitchTabWidgets& tab, const QLineEdit& edit) {
  if (&edit == tab.high) return ConsoleText::kHighSwitchPoint;
  if (&edit == tab.low) return ConsoleText::kLowSwitchPoint;
  if (&edit == tab.closingDelay) return ConsoleText::kClosingDelay;
  return ConsoleText::kOpeningDelay;
}

}  // namespace

EntryPresenter::EntryPresenter(const SwitchTabs& tabs, const ConsoleState& state,
                               const LanguageTexts& texts, const ActionGuard& guard)
    : tabs_(tabs), state_(state), texts_(texts), guard_(guard) {
  for (const SwitchTabWidgets& tab : tabs_) {
    for (QLineEdit* edit : {tab.high, tab.low, tab.closingDelay, tab.openingDelay}) {
      edit->installEventFilter(this);
    }
  }
}

bool EntryPresenter::IsSwitchPoint(const QObject* watched) const {
  for (const SwitchTabWidgets& tab : tabs_) {
    if (watched == tab.high || watched == tab.low) return true;
  }
  return false;
}

bool EntryPresenter::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (!edit) return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress && IsSwitchPoint(watched)) {
    const std::optional<char> typed = TypedCharacter(*static_cast<QKeyEvent*>(event));
    const bool discard =
        typed && FilterNumberKey(edit->text().toStdString(), *typed, DecimalSeparator()) == '\0';
    if (discard) return true;
  } else if (event->type() == QEvent::FocusOut && MovedWithinTheWindow(*event)) {
    const bool secondTab = edit == tabs_[1].high || edit == tabs_[1].low ||
                           edit == tabs_[1].closingDelay || edit == tabs_[1].openingDelay;
    const std::string field = SwitchFieldCaption(texts_.LanguageIndex(), secondTab ? 2 : 1,
                                                 FieldOf(tabs_[secondTab ? 1 : 0], *edit));
    if (IsSwitchPoint(watched)) {
      SwitchPointExit(*edit, secondTab ? SwitchPointEdit::kSwitch2 : SwitchPointEdit::kSwitch1,
                      field);
    } else {
      DelayExit(*edit, field);
    }
  }
  return QObject::eventFilter(watched, event);
}

void EntryPresenter::SwitchPointExit(QLineEdit& edit, SwitchPointEdit which,
                                     const std::string& field) {
  guard_.Run([&] {
    const SwitchPointContext context{which,
                                     state_.pressureUnit,
                                     state_.deviceFamily,
                                     state_.pressureRangeShown.max,
                                     state_.pressureDecimals,
                                     DecimalSeparator()};
    edit.setText(QString::fromStdString(ParseInField(
        field, [&] { return NormaliseSwitchPoint(edit.text().toStdString(), context); })));
  });
}

void EntryPresenter::DelayExit(QLineEdit& edit, const std::string& field) {
  guard_.Run([&] {
    edit.setText(QString::fromStdString(ParseInField(field, [&] {
      return NormaliseDelay(edit.text().toStdString(), state_.deviceFamily, DecimalSeparator());
    })));
  });
}

}  // namespace tarnwick
