#include "console/panel/device_panel_presenter.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "console/widgets/widget_lookup.h"
#include "view/diagram_pictures.h"
#include "view/panel_captions.h"

namespace tarnwick {
namespace {

void SetTabVisible(QTabWidget& pages, QWidget* page, bool visible) {
  pages.setTabVisible(pages.indexOf(page), visible);
}

QList<QWidget*> Named(const QWidget& form, std::initializer_list<const char*> names) {
  QList<QWidget*> widgets;
  for (const char* name : names) widgets.push_back(FindWidget<QWidget>(form, name));
  return widgets;
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

}  // namespace

DevicePanelWidgets::DevicePanelWidgets(const QWidget& form)
    : pressureSwitchPicture(FindWidget<QWidget>(form, "LX1Image")),
      switchDevicePicture(FindWidget<QWidget>(form, "QM4Image")),
      levelDevicePicture(FindWidget<QWidget>(form, "MV1Image")),
      menuLine(FindWidget<QWidget>(form, "MenuLinePanel")),
      panel(FindWidget<QGroupBox>(form, "DeviceInformationGroupBox")),
      pages(FindWidget<QTabWidget>(form, "PageControl")),
      programmingPage(FindWidget<QWidget>(form, "ProgrammingTabSheet")),
      readoutPage(FindWidget<QWidget>(form, "ReadoutTabSheet")),
      serialNumberEdit(FindWidget<QWidget>(form, "SNEdit")),
      levelUnitLabel(FindWidget<QLabel>(form, "Morvik_unit_label")),
      pressureRangeUnitLabel(FindWidget<QLabel>(form, "PressureRangeUnitLabel")),
      pressureLabel(FindWidget<QLabel>(form, "PressureLabel")),
      pressureUnitLabel(FindWidget<QLabel>(form, "PressureUnitLabel")),
      voltageLabel(FindWidget<QLabel>(form, "VoltageLabel")),
      voltageUnitLabel(FindWidget<QLabel>(form, "VoltageUnitLabel")),
      noAnalogLabel(FindWidget<QLabel>(form, "NoAnalogLabel")),
      switch1Label(FindWidget<QLabel>(form, "Switch1Label")),
      switch2Label(FindWidget<QLabel>(form, "Switch2Label")),
      headings(
          Named(form, {"DeviceTypeHeadLabel", "SoftwareVersionHeadLabel", "SerialNumberHeadLabel",
                       "PressureRangeHeadLabel", "TemperatureRangeHeadLabel"})),
      values(Named(form, {"DeviceTypeLabel", "SoftwareVersionDeviceLabel", "SerialNumberLabel",
                          "PressureRangeLabel", "TemperatureRangeLabel", "PressureRangeUnitLabel",
                          "TemperatureRangeUnitLabel"})),
      pressureRangeRow(
          Named(form, {"PressureRangeHeadLabel", "PressureRangeLabel", "PressureRangeUnitLabel"})),
      temperatureRangeRow(Named(form, {"TemperatureRangeHeadLabel", "TemperatureRangeLabel",
                                       "TemperatureRangeUnitLabel"})),
      analogOutputRangeRow(Named(form, {"AnalogOutputRangeHeadLabel", "AnalogOutputRangeLabel",
                                        "AnalogOutputRangeUnitLabel"})),
      busAddressRow(Named(form, {"BusAddressHeadLabel", "BusAddressLabel"})),
      programmerValues(Named(form, {"SeparationLabel", "ProgrammerTypeLabel", "SeparationLabel2",
                                    "SoftwareVersionProgrammerLabel"})),
      switchStatePictures(
          Named(form, {"SW1OpenImage", "SW1ClosedImage", "SW2OpenImage", "SW2ClosedImage"})),
      addressWidgets(Named(form, {"ReadAddressEdit", "ReadAddressLabel", "ProgramFromEdit",
                                  "ProgramFromLabel", "ProgramToEdit", "ProgramToLabel"})) {
  pictures = {pressureSwitchPicture, switchDevicePicture, levelDevicePicture};
}

// What a family layout decides on a switch tab; the diagram and what a
// function of Off hides are UpdateSwitchDiagram's.
struct DevicePanelPresenter::SwitchTabLayout {
  bool tab = true;
  bool typeLabel = false;
  bool delayGroup = false;
  // Empty for the level device, whose switch points carry no pressure unit.
  QString unit;
};

DevicePanelPresenter::DevicePanelPresenter(const QWidget& form, const SwitchTabs& tabs,
                                           const ConsoleState& state, const LanguageTexts& texts,
                                           bool factoryMode, SwitchDiagramPresenter& diagram)
    : w_(form),
      tabs_(tabs),
      state_(state),
      texts_(texts),
      factoryMode_(factoryMode),
      diagram_(diagram),
      values_(form, tabs, state) {}

QString DevicePanelPresenter::PressureUnitText() const {
  return QString::fromUtf8(tarnwick::PressureUnitText(state_.pressureUnit).data());
}

void DevicePanelPresenter::ResetDeviceView() {
  SetVisible(w_.pictures, false);
  w_.menuLine->show();

  QTabWidget& pages = *w_.pages;
  SetTabVisible(pages, w_.programmingPage, false);
  SetTabVisible(pages, w_.readoutPage, false);
  SetTabVisible(pages, tabs_[0].tab, true);
  SetTabVisible(pages, tabs_[1].tab, false);
  for (const SwitchTabWidgets& tab : tabs_) ResetSwitchTab(tab);
  w_.serialNumberEdit->setEnabled(true);

  w_.panel->setTitle(QString());
  SetVisible(w_.headings, true);
  SetVisible(w_.values, false);
  SetVisible(w_.programmerValues, false);
  SetVisible(w_.analogOutputRangeRow, false);
  SetVisible(w_.busAddressRow, false);
  SetVisible({w_.pressureLabel, w_.pressureUnitLabel, w_.voltageLabel, w_.voltageUnitLabel,
              w_.switch1Label, w_.switch2Label, w_.noAnalogLabel},
             false);
  SetVisible(w_.switchStatePictures, false);

  for (const SwitchTabWidgets& tab : tabs_) tab.off->setChecked(true);

  if (factoryMode_) {
    SetTabVisible(pages, tabs_[0].tab, false);
    SetTabVisible(pages, w_.programmingPage, true);
  }
  SetVisible(w_.addressWidgets, factoryMode_);
  diagram_.UpdateSwitchDiagram();
}

void DevicePanelPresenter::LayOutSwitchTabs(const SwitchTabLayout& switch1,
                                            const SwitchTabLayout& switch2) {
  const DelayCaptionNumbers captions = DelayCaptionsFor(state_.deviceFamily);
  const SwitchTabLayout* layouts[] = {&switch1, &switch2};
  for (std::size_t n = 0; n < tabs_.size(); ++n) {
    const SwitchTabWidgets& tab = tabs_[n];
    const SwitchTabLayout& layout = *layouts[n];
    SetTabVisible(*w_.pages, tab.tab, layout.tab);
    tab.typeLabel->setVisible(layout.typeLabel);
    SetVisible({tab.functionGroup, tab.contactGroup}, true);
    SetVisible(tab.switchPoints, true);
    // Set on every layout: after a level device the labels would stay empty.
    tab.highUnit->setText(layout.unit);
    tab.lowUnit->setText(layout.unit);
    SetVisible({tab.highUnit, tab.lowUnit}, !layout.unit.isEmpty());
    HideDiagram(tab);
    SetVisible(tab.delayGroup, layout.delayGroup);
    tab.delayStep->setText(texts_.Text(captions.step));
    tab.delayRange->setText(texts_.Text(captions.range));
  }
  SetTabVisible(*w_.pages, w_.programmingPage, false);
  SetTabVisible(*w_.pages, w_.readoutPage, false);
}

// The panel rows every family shows, and those that depend on the family.
void DevicePanelPresenter::ShowDeviceRows(DeviceFamily family) {
  SetVisible(w_.values, true);
  SetVisible(w_.programmerValues, family == DeviceFamily::kPressureSwitch);
  w_.pressureRangeUnitLabel->setText(PressureUnitText());
  SetVisible(w_.pressureRangeRow, family != DeviceFamily::kLevelDevice);
  SetVisible(w_.temperatureRangeRow, family != DeviceFamily::kLevelDevice);
  SetVisible(w_.analogOutputRangeRow, family == DeviceFamily::kPressureSwitch);
}

// The live display's value labels start empty; it fills them when it runs.
void DevicePanelPresenter::ShowLiveValues(bool pressure, bool pressureUnit, bool voltage) {
  w_.pressureLabel->clear();
  w_.voltageLabel->clear();
  w_.pressureLabel->setVisible(pressure);
  w_.pressureUnitLabel->setVisible(pressureUnit);
  SetVisible({w_.voltageLabel, w_.voltageUnitLabel}, voltage);
  SetVisible(w_.switchStatePictures, false);
}

void DevicePanelPresenter::ShowFamily1View() {
  const auto& present = state_.switchPresent;
  w_.pressureSwitchPicture->show();
  w_.panel->setTitle(QString::fromUtf8(FamilyModelName(DeviceFamily::kPressureSwitch).data()));
  const QString unit = PressureUnitText();
  LayOutSwitchTabs({.tab = present[0], .typeLabel = true, .delayGroup = true, .unit = unit},
                   {.tab = present[1], .typeLabel = true, .delayGroup = true, .unit = unit});
  ShowDeviceRows(DeviceFamily::kPressureSwitch);
  SetVisible(w_.busAddressRow, false);
  const bool analog = state_.analogOutputPresent;
  ShowLiveValues(analog, analog, analog);
  w_.noAnalogLabel->setVisible(!analog);
  w_.switch1Label->setVisible(present[0]);
  w_.switch2Label->setVisible(present[1]);
  diagram_.UpdateSwitchDiagram();
}

void DevicePanelPresenter::ShowFamily2View() {
  w_.switchDevicePicture->show();
  w_.panel->setTitle(QString::fromUtf8(FamilyModelName(DeviceFamily::kSwitchDevice).data()));
  const SwitchTabLayout layout{.tab = true, .unit = PressureUnitText()};
  LayOutSwitchTabs(layout, layout);
  ShowDeviceRows(DeviceFamily::kSwitchDevice);
  ShowLiveValues(true, true, false);
  w_.noAnalogLabel->hide();
  SetVisible({w_.switch1Label, w_.switch2Label}, true);
  diagram_.UpdateSwitchDiagram();
}

void DevicePanelPresenter::ShowFamily4View() {
  w_.levelDevicePicture->show();
  w_.panel->setTitle(QString::fromUtf8(FamilyModelName(DeviceFamily::kLevelDevice).data()));
  const SwitchTabLayout layout{
      .tab = true,
      .delayGroup = DelayPanelAvailable(DeviceFamily::kLevelDevice, state_.deviceIdentity),
      .unit = QString()};
  LayOutSwitchTabs(layout, layout);
  ShowDeviceRows(DeviceFamily::kLevelDevice);
  w_.levelUnitLabel->show();
  ShowLevelUnitCaption();
  ShowLiveValues(true, false, false);
  w_.noAnalogLabel->hide();
  SetVisible({w_.switch1Label, w_.switch2Label}, true);
  diagram_.UpdateSwitchDiagram();
}

void DevicePanelPresenter::ShowFactoryView() {
  w_.pressureSwitchPicture->show();
  w_.switchDevicePicture->hide();
  QTabWidget& pages = *w_.pages;
  SetTabVisible(pages, tabs_[0].tab, false);
  SetTabVisible(pages, tabs_[1].tab, false);
  SetTabVisible(pages, w_.programmingPage, true);
  SetTabVisible(pages, w_.readoutPage, true);

  ShowDeviceRows(DeviceFamily::kPressureSwitch);
  SetVisible(w_.busAddressRow, true);
  ShowLiveValues(true, true, true);
  w_.switch1Label->setVisible(state_.switchPresent[0]);
  w_.switch2Label->setVisible(state_.switchPresent[1]);
  SetVisible(w_.addressWidgets, true);
  diagram_.UpdateSwitchDiagram();
}

void DevicePanelPresenter::ShowReadout(const DeviceReadout& readout) {
  values_.Show(readout);
  switch (readout.family) {
    case DeviceFamily::kPressureSwitch:
      if (readout.factoryReadBack) {
        ShowFactoryView();
      } else {
        ShowFamily1View();
      }
      break;
    case DeviceFamily::kSwitchDevice:
      ShowFamily2View();
      break;
    case DeviceFamily::kLevelDevice:
      ShowFamily4View();
      break;
    case DeviceFamily::kNone:
      break;
  }
}

void DevicePanelPresenter::ApplyLanguageCaptions() {
  const DelayCaptionNumbers captions = DelayCaptionsFor(state_.deviceFamily);
  for (const SwitchTabWidgets& tab : tabs_) {
    tab.delayStep->setText(texts_.Text(captions.step));
    tab.delayRange->setText(texts_.Text(captions.range));
  }
  ShowLevelUnitCaption();
}

void DevicePanelPresenter::ShowLevelUnitCaption() {
  if (const auto caption = LevelUnitCaption(texts_.LanguageIndex(), state_.levelUnitIndex)) {
    w_.levelUnitLabel->setText(QString::fromStdString(*caption));
  }
}

}  // namespace tarnwick
