#pragma once

#include "console/panel/switch_tab_widgets.h"
#include "device/console_state.h"

class QObject;
class QRadioButton;

namespace tarnwick {

// Keeps each switch tab's diagram, contact symbols, switch points and delay
// fields in step with the tab's selected function and contact. It follows the
// user: a key or mouse button released over a function or contact button, or
// a click on a contact picture, updates the tab.
class SwitchDiagramPresenter {
 public:
  // `owner` keeps the event watchers; `tabs` and `state` outlive the presenter.
  SwitchDiagramPresenter(QObject& owner, const SwitchTabs& tabs, const ConsoleState& state);

  void UpdateSwitchDiagram();

 private:
  void SelectContactAndUpdate(QRadioButton* contact);

  const SwitchTabs& tabs_;
  const ConsoleState& state_;
};

}  // namespace tarnwick
