#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include "app/tmain_form.h"
#include "device/identification.h"
#include "ui_TMainForm.h"
#include "view/locale_number.h"
#include "view/number_text.h"
#include "view/shown_pressures.h"
#include "view/switch_tab_widgets.h"

namespace tarnwick {

QString TMainForm::PressureUnitQText() const {
  return QString::fromUtf8(PressureUnitText(pressureUnit_).data());
}

void TMainForm::MarkPressureUnit(PressureUnit unit) {
  ui->BarMenuItem->setChecked(unit == PressureUnit::kBar);
  ui->PSIMenuItem->setChecked(unit == PressureUnit::kPsi);
  ui->MPaMenuItem->setChecked(unit == PressureUnit::kMpa);
}

PressureUnit TMainForm::MarkedPressureUnit() const {
  if (ui->BarMenuItem->isChecked()) return PressureUnit::kBar;
  if (ui->PSIMenuItem->isChecked()) return PressureUnit::kPsi;
  return PressureUnit::kMpa;
}

void TMainForm::PressureUnitMenuItemClick(PressureUnit unit) {
  MarkPressureUnit(unit);
  // A level device's values are not pressures: the marks move, nothing else,
  // until the unit is applied with another device or at the next start.
  if (deviceFamily_ == kFamilyLevelDevice) return;
  RunGuarded([this] { ApplyPressureUnit(); });
}

void TMainForm::ApplyPressureUnit() {
  const PressureUnit newUnit = MarkedPressureUnit();
  if (deviceDataValid_) {
    const auto& tabs = switchTabs_;
    const std::array<std::string, 4> texts = {
        tabs[0].high->text().toStdString(), tabs[0].low->text().toStdString(),
        tabs[1].high->text().toStdString(), tabs[1].low->text().toStdString()};
    ShownPressures shown;
    try {
      shown = ConvertShownPressures(
          texts, pressureRangeBar_,
          {pressureUnit_, newUnit, deviceFamily_, pressureDecimals_, DecimalSeparator()});
    } catch (const EConvertError&) {
      // The values on screen stay in the old unit, so its mark comes back.
      MarkPressureUnit(pressureUnit_);
      throw;
    }
    pressureRangeShown_ = shown.rangeShown;
    pressureDecimals_ = shown.decimals;
    tabs[0].high->setText(QString::fromStdString(shown.switchPoints[0]));
    tabs[0].low->setText(QString::fromStdString(shown.switchPoints[1]));
    tabs[1].high->setText(QString::fromStdString(shown.switchPoints[2]));
    tabs[1].low->setText(QString::fromStdString(shown.switchPoints[3]));
    ui->PressureRangeLabel->setText(QString::fromStdString(shown.rangeText));
  }
  pressureUnit_ = newUnit;
  const QString unit = PressureUnitQText();
  for (QLabel* label : {ui->PressureRangeUnitLabel, ui->PressureUnitLabel, ui->SW1HLUnitLabel,
                        ui->SW1LLUnitLabel, ui->SW2HLUnitLabel, ui->SW2LLUnitLabel}) {
    label->setText(unit);
  }
}

void TMainForm::ConnectUnitMenu() {
  connect(ui->BarMenuItem, &QAction::triggered, this,
          [this] { PressureUnitMenuItemClick(PressureUnit::kBar); });
  connect(ui->PSIMenuItem, &QAction::triggered, this,
          [this] { PressureUnitMenuItemClick(PressureUnit::kPsi); });
  connect(ui->MPaMenuItem, &QAction::triggered, this,
          [this] { PressureUnitMenuItemClick(PressureUnit::kMpa); });
}

}  // namespace tarnwick
