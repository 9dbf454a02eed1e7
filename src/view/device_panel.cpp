#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/tmain_form.h"
#include "device/identification.h"
#include "ui_TMainForm.h"
#include "view/diagram_pictures.h"
#include "view/panel_captions.h"
#include "view/switch_tab_widgets.h"

namespace tarnwick {
namespace {

void SetTabVisible(QTabWidget& pages, QWidget* page, bool visible) {
  pages.setTabVisible(pages.indexOf(page), visible);
}

QList<QWidget*> PressureRangeRow(const Ui::TMainForm& ui) {
  return {ui.PressureRangeHeadLabel, ui.PressureRangeLabel, ui.PressureRangeUnitLabel};
}

QList<QWidget*> TemperatureRangeRow(const Ui::TMainForm& ui) {
  return {ui.TemperatureRangeHeadLabel, ui.TemperatureRangeLabel, ui.TemperatureRangeUnitLabel};
}

QList<QWidget*> AnalogOutputRangeRow(const Ui::TMainForm& ui) {
  return {ui.AnalogOutputRangeHeadLabel, ui.AnalogOutputRangeLabel, ui.AnalogOutputRangeUnitLabel};
}

QList<QWidget*> BusAddressRow(const Ui::TMainForm& ui) {
  return {ui.BusAddressHeadLabel, ui.BusAddressLabel};
}

QList<QWidget*> ProgrammerValues(const Ui::TMainForm& ui) {
  return {ui.SeparationLabel, ui.ProgrammerTypeLabel, ui.SeparationLabel2,
          ui.SoftwareVersionProgrammerLabel};
}

QList<QWidget*> SwitchStatePictures(const Ui::TMainForm& ui) {
  return {ui.SW1OpenImage, ui.SW1ClosedImage, ui.SW2OpenImage, ui.SW2ClosedImage};
}

QList<QWidget*> AddressWidgets(const Ui::TMainForm& ui) {
  return {ui.ReadAddressEdit,  ui.ReadAddressLabel, ui.ProgramFromEdit,
          ui.ProgramFromLabel, ui.ProgramToEdit,    ui.ProgramToLabel};
}

void HideDiagram(const SwitchTabWidgets& tab) {
  SetVisible({tab.hysteresisGraph, tab.windowGraph}, false);
  for (std::size_t n = 0; n < tab.open.size(); ++n) SetVisible({tab.open[n], tab.closed[n]}, false);
}

void ResetSwitchTab(const SwitchTabWidgets& tab) {
  SetVisible({tab.typeLabel, tab.functionGroup, tab.contactGroup}, false);
  SetVisible(tab.switchPoints, false);
  SetVisible(tab.delayGroup, false);
  HideDiagram(tab);
  tab.high->clear();
  tab.low->clear();
}

// What a family layout decides on a switch tab; the diagram and what a
// function of Off hides are UpdateSwitchDiagram's.
struct SwitchTabLayout {
  bool tab = true;
  bool typeLabel = false;
  bool delayGroup = false;
  // Empty for the level device, whose switch points carry no pressure unit.
  QString unit;
};

struct DelayCaptions {
  QString step;
  QString range;
};

DelayCaptions DelayCaptionTexts(const TMainForm& form, int family) {
  const DelayCaptionNumbers numbers = DelayCaptionsFor(family);
  return {form.Text(numbers.step), form.Text(numbers.range)};
}

void LayOutSwitchTab(const SwitchTabWidgets& tab, QTabWidget& pages, const SwitchTabLayout& layout,
                     const DelayCaptions& captions) {
  SetTabVisible(pages, tab.tab, layout.tab);
  tab.typeLabel->setVisible(layout.typeLabel);
  SetVisible({tab.functionGroup, tab.contactGroup}, true);
  SetVisible(tab.switchPoints, true);
  // Set on every layout: after a level device the labels would stay empty.
  tab.highUnit->setText(layout.unit);
  tab.lowUnit->setText(layout.unit);
  SetVisible({tab.highUnit, tab.lowUnit}, !layout.unit.isEmpty());
  HideDiagram(tab);
  SetVisible(tab.delayGroup, layout.delayGroup);
  tab.delayStep->setText(captions.step);
  tab.delayRange->setText(captions.range);
}

void LayOutSwitchTabs(const std::array<SwitchTabWidgets, 2>& tabs, Ui::TMainForm& ui,
                      const SwitchTabLayout& switch1, const SwitchTabLayout& switch2,
                      const DelayCaptions& captions) {
  QTabWidget& pages = *ui.PageControl;
  LayOutSwitchTab(tabs[0], pages, switch1, captions);
  LayOutSwitchTab(tabs[1], pages, switch2, captions);
  SetTabVisible(pages, ui.ProgrammingTabSheet, false);
  SetTabVisible(pages, ui.ReadoutTabSheet, false);
}

// The panel rows every family shows, and those that depend on the family.
void ShowDeviceRows(Ui::TMainForm& ui, int family, const QString& unit) {
  SetVisible({ui.DeviceTypeLabel, ui.SoftwareVersionDeviceLabel, ui.SerialNumberHeadLabel,
              ui.SerialNumberLabel},
             true);
  SetVisible(ProgrammerValues(ui), family == kFamilyPressureSwitch);
  ui.PressureRangeUnitLabel->setText(unit);
  SetVisible(PressureRangeRow(ui), family != kFamilyLevelDevice);
  SetVisible(TemperatureRangeRow(ui), family != kFamilyLevelDevice);
  SetVisible(AnalogOutputRangeRow(ui), family == kFamilyPressureSwitch);
}

// The live display's value labels start empty; it fills them when it runs.
void ShowLiveValues(Ui::TMainForm& ui, bool pressure, bool pressureUnit, bool voltage) {
  ui.PressureLabel->clear();
  ui.VoltageLabel->clear();
  ui.PressureLabel->setVisible(pressure);
  ui.PressureUnitLabel->setVisible(pressureUnit);
  SetVisible({ui.VoltageLabel, ui.VoltageUnitLabel}, voltage);
  SetVisible(SwitchStatePictures(ui), false);
}

}  // namespace

void TMainForm::ResetDeviceView() {
  SetVisible({ui->LX1Image, ui->QM4Image, ui->MV1Image}, false);
  ui->MenuLinePanel->show();

  QTabWidget& pages = *ui->PageControl;
  SetTabVisible(pages, ui->ProgrammingTabSheet, false);
  SetTabVisible(pages, ui->ReadoutTabSheet, false);
  SetTabVisible(pages, ui->SW1TabSheet, true);
  SetTabVisible(pages, ui->SW2TabSheet, false);
  for (const SwitchTabWidgets& tab : switchTabs_) ResetSwitchTab(tab);
  ui->SNEdit->setEnabled(true);

  ui->DeviceInformationGroupBox->setTitle(QString());
  SetVisible({ui->DeviceTypeHeadLabel, ui->SoftwareVersionHeadLabel, ui->SerialNumberHeadLabel,
              ui->PressureRangeHeadLabel, ui->TemperatureRangeHeadLabel},
             true);
  SetVisible({ui->DeviceTypeLabel, ui->SoftwareVersionDeviceLabel, ui->SerialNumberLabel,
              ui->PressureRangeLabel, ui->TemperatureRangeLabel, ui->PressureRangeUnitLabel,
              ui->TemperatureRangeUnitLabel},
             false);
  SetVisible(ProgrammerValues(*ui), false);
  SetVisible(AnalogOutputRangeRow(*ui), false);
  SetVisible(BusAddressRow(*ui), false);
  SetVisible({ui->PressureLabel, ui->PressureUnitLabel, ui->VoltageLabel, ui->VoltageUnitLabel,
              ui->Switch1Label, ui->Switch2Label, ui->NoAnalogLabel},
             false);
  SetVisible(SwitchStatePictures(*ui), false);

  ui->SW1OffRadioButton->setChecked(true);
  ui->SW2OffRadioButton->setChecked(true);
  ui->ProgramButton->setEnabled(false);
  ui->OnlineSpeedButton->setEnabled(false);

  if (factoryMode_) {
    SetTabVisible(pages, ui->SW1TabSheet, false);
    SetTabVisible(pages, ui->ProgrammingTabSheet, true);
  }
  SetVisible(AddressWidgets(*ui), factoryMode_);
  UpdateSwitchDiagram();
}

void TMainForm::ShowFamily1View() {
  ui->LX1Image->show();
  ui->DeviceInformationGroupBox->setTitle(
      QString::fromUtf8(FamilyModelName(kFamilyPressureSwitch).data()));
  const QString unit = PressureUnitQText();
  LayOutSwitchTabs(switchTabs_, *ui,
                   {.tab = switch1Present_, .typeLabel = true, .delayGroup = true, .unit = unit},
                   {.tab = switch2Present_, .typeLabel = true, .delayGroup = true, .unit = unit},
                   DelayCaptionTexts(*this, deviceFamily_));
  ShowDeviceRows(*ui, kFamilyPressureSwitch, PressureUnitQText());
  SetVisible(BusAddressRow(*ui), false);
  ShowLiveValues(*ui, analogOutputPresent_, analogOutputPresent_, analogOutputPresent_);
  ui->NoAnalogLabel->setVisible(!analogOutputPresent_);
  ui->Switch1Label->setVisible(switch1Present_);
  ui->Switch2Label->setVisible(switch2Present_);
  UpdateSwitchDiagram();
}

void TMainForm::ShowFamily2View() {
  ui->QM4Image->show();
  ui->DeviceInformationGroupBox->setTitle(
      QString::fromUtf8(FamilyModelName(kFamilySwitchDevice).data()));
  const SwitchTabLayout layout{.tab = true, .unit = PressureUnitQText()};
  LayOutSwitchTabs(switchTabs_, *ui, layout, layout, DelayCaptionTexts(*this, deviceFamily_));
  ShowDeviceRows(*ui, kFamilySwitchDevice, PressureUnitQText());
  ShowLiveValues(*ui, true, true, false);
  ui->NoAnalogLabel->hide();
  SetVisible({ui->Switch1Label, ui->Switch2Label}, true);
  UpdateSwitchDiagram();
}

void TMainForm::ShowFamily4View() {
  ui->MV1Image->show();
  ui->DeviceInformationGroupBox->setTitle(
      QString::fromUtf8(FamilyModelName(kFamilyLevelDevice).data()));
  const SwitchTabLayout layout{
      .tab = true,
      .delayGroup = DelayPanelAvailable(kFamilyLevelDevice, deviceIdentity_),
      .unit = QString()};
  LayOutSwitchTabs(switchTabs_, *ui, layout, layout, DelayCaptionTexts(*this, deviceFamily_));
  ShowDeviceRows(*ui, kFamilyLevelDevice, PressureUnitQText());
  ui->Morvik_unit_label->show();
  ShowLevelUnitCaption();
  ShowLiveValues(*ui, true, false, false);
  ui->NoAnalogLabel->hide();
  SetVisible({ui->Switch1Label, ui->Switch2Label}, true);
  UpdateSwitchDiagram();
}

void TMainForm::ShowFactoryView() {
  ui->LX1Image->show();
  ui->QM4Image->hide();
  QTabWidget& pages = *ui->PageControl;
  SetTabVisible(pages, ui->SW1TabSheet, false);
  SetTabVisible(pages, ui->SW2TabSheet, false);
  SetTabVisible(pages, ui->ProgrammingTabSheet, true);
  SetTabVisible(pages, ui->ReadoutTabSheet, true);

  ShowDeviceRows(*ui, kFamilyPressureSwitch, PressureUnitQText());
  SetVisible(BusAddressRow(*ui), true);
  ShowLiveValues(*ui, true, true, true);
  ui->Switch1Label->setVisible(switch1Present_);
  ui->Switch2Label->setVisible(switch2Present_);
  SetVisible(AddressWidgets(*ui), true);
  UpdateSwitchDiagram();
}

void TMainForm::ShowLevelUnitCaption() {
  if (const auto caption = LevelUnitCaption(languageIndex_, levelUnitIndex_)) {
    ui->Morvik_unit_label->setText(QString::fromStdString(*caption));
  }
}

}  // namespace tarnwick
