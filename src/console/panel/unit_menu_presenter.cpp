#include "console/panel/unit_menu_presenter.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "console/widgets/locale_number.h"
#include "console/widgets/widget_lookup.h"
#include "texts/console_texts.h"
#include "view/number_text.h"
#include "view/shown_pressures.h"

namespace tarnwick {

UnitMenuPresenter::UnitMenuPresenter(const QWidget& form, const SwitchTabs& tabs,
                                     ConsoleState& state, const LanguageTexts& texts)
    : tabs_(tabs),
      state_(state),
      texts_(texts),
      bar_(FindWidget<QAction>(form, "BarMenuItem")),
      psi_(FindWidget<QAction>(form, "PSIMenuItem")),
      mpa_(FindWidget<QAction>(form, "MPaMenuItem")),
      pressureRange_(FindWidget<QLabel>(form, "PressureRangeLabel")) {
  for (const char* name : {"PressureRangeUnitLabel", "PressureUnitLabel", "SW1HLUnitLabel",
                           "SW1LLUnitLabel", "SW2HLUnitLabel", "SW2LLUnitLabel"}) {
    unitLabels_.push_back(FindWidget<QLabel>(form, name));
  }
}

QAction* UnitMenuPresenter::Item(PressureUnit unit) const {
  switch (unit) {
    case PressureUnit::kBar:
      return bar_;
    case PressureUnit::kPsi:
      return psi_;
    case PressureUnit::kMpa:
      break;
  }
  return mpa_;
}

void UnitMenuPresenter::MarkPressureUnit(PressureUnit unit) {
  for (PressureUnit each : {PressureUnit::kBar, PressureUnit::kPsi, PressureUnit::kMpa}) {
    Item(each)->setChecked(each == unit);
  }
}

PressureUnit UnitMenuPresenter::MarkedPressureUnit() const {
  if (bar_->isChecked()) return PressureUnit::kBar;
  if (psi_->isChecked()) return PressureUnit::kPsi;
  return PressureUnit::kMpa;
}

void UnitMenuPresenter::PressureUnitMenuItemClick(PressureUnit unit) {
  MarkPressureUnit(unit);
  // The marks move, nothing else, until the unit is applied with another
  // device or at the next start.
  if (state_.deviceFamily == DeviceFamily::kLevelDevice) return;
  ApplyPressureUnit();
}

void UnitMenuPresenter::ApplyPressureUnit() {
  const PressureUnit newUnit = MarkedPressureUnit();
  if (state_.deviceDataValid) {
    const std::array<std::string, 4> texts = {
        tabs_[0].high->text().toStdString(), tabs_[0].low->text().toStdString(),
        tabs_[1].high->text().toStdString(), tabs_[1].low->text().toStdString()};
    ShownPressures shown;
    try {
      shown = ConvertShownPressures(texts, state_.pressureRangeBar,
                                    {state_.pressureUnit, newUnit, state_.deviceFamily,
                                     state_.pressureDecimals, DecimalSeparator()});
    } catch (const NumberTextError& error) {
      MarkPressureUnit(state_.pressureUnit);
      // The four are read in order, so the first with the error's text failed.
      const auto failed =
          static_cast<int>(std::find(texts.begin(), texts.end(), error.text()) - texts.begin());
      throw error.InField(SwitchFieldCaption(
          texts_.LanguageIndex(), failed / 2 + 1,
          failed % 2 == 0 ? ConsoleText::kHighSwitchPoint : ConsoleText::kLowSwitchPoint));
    }
    state_.pressureRangeShown = shown.rangeShown;
    state_.pressureDecimals = shown.decimals;
    tabs_[0].high->setText(QString::fromStdString(shown.switchPoints[0]));
    tabs_[0].low->setText(QString::fromStdString(shown.switchPoints[1]));
    tabs_[1].high->setText(QString::fromStdString(shown.switchPoints[2]));
    tabs_[1].low->setText(QString::fromStdString(shown.switchPoints[3]));
    pressureRange_->setText(QString::fromStdString(shown.rangeText));
  }
  state_.pressureUnit = newUnit;
  const QString unit = QString::fromUtf8(PressureUnitText(newUnit).data());
  for (QLabel* label : unitLabels_) label->setText(unit);
}

}  // namespace tarnwick
