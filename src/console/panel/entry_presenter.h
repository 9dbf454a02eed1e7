#pragma once

#include <QObject>
#include <string>

#include "console/panel/switch_tab_widgets.h"
#include "console/widgets/action_guard.h"
#include "console/widgets/language_texts.h"
#include "device/console_state.h"
#include "view/entry_rules.h"

class QLineEdit;

namespace tarnwick {

// The switch point and delay edits of both switch tabs: a key filter on the
// four switch-point edits lets only digits, backspace and one decimal
// separator through, and leaving any of the eight edits rewrites its text into
// canonical form, silently clamped. Text that holds a decimal mark and no digit
// is the one thing that cannot be read: the conversion error is shown and the
// edit keeps what was typed.
class EntryPresenter final : public QObject {
 public:
  // Everything given outlives the presenter.
  EntryPresenter(const SwitchTabs& tabs, const ConsoleState& state, const LanguageTexts& texts,
                 const ActionGuard& guard);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The normalisation of the edit the focus left, captioned `field`.
  void SwitchPointExit(QLineEdit& edit, SwitchPointEdit which, const std::string& field);
  void DelayExit(QLineEdit& edit, const std::string& field);
  bool IsSwitchPoint(const QObject* watched) const;

  const SwitchTabs& tabs_;
  const ConsoleState& state_;
  const LanguageTexts& texts_;
  const ActionGuard& guard_;
};

}  // namespace tarnwick
