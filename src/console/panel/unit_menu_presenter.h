#pragma once

#include <QList>

#include "console/panel/switch_tab_widgets.h"
#include "console/widgets/language_texts.h"
#include "device/console_state.h"
#include "device/pressure_units.h"

class QAction;
class QLabel;
class QWidget;

namespace tarnwick {

// The Units menu and what a change of unit converts on screen: the switch
// points as shown, the pressure range from bar, the six unit labels.
class UnitMenuPresenter {
 public:
  // `tabs`, `state` and `texts` outlive the presenter.
  UnitMenuPresenter(const QWidget& form, const SwitchTabs& tabs, ConsoleState& state,
                    const LanguageTexts& texts);

  // Marks `unit` in the Units menu and unmarks the other two.
  void MarkPressureUnit(PressureUnit unit);
  // Takes the unit from the marks, converts what is shown. Throws
  // NumberTextError for a switch point that is not a number; the values then
  // stay in the old unit, whose mark comes back.
  void ApplyPressureUnit();
  // A unit item clicked: the marks move, and unless a level device is shown,
  // whose values are no pressures, the unit is applied.
  void PressureUnitMenuItemClick(PressureUnit unit);

 private:
  QAction* Item(PressureUnit unit) const;
  PressureUnit MarkedPressureUnit() const;

  const SwitchTabs& tabs_;
  ConsoleState& state_;
  const LanguageTexts& texts_;
  QAction* bar_;
  QAction* psi_;
  QAction* mpa_;
  QLabel* pressureRange_;
  QList<QLabel*> unitLabels_;
};

}  // namespace tarnwick
