#pragma once

#include <QList>

#include "console/panel/readout_values_view.h"
#include "console/panel/switch_diagram_presenter.h"
#include "console/panel/switch_tab_widgets.h"
#include "console/widgets/language_texts.h"
#include "device/console_state.h"
#include "device/device_readout.h"

class QGroupBox;
class QLabel;
class QTabWidget;
class QWidget;

namespace tarnwick {

// The widgets the family layouts show and hide, found by name on the main
// window.
struct DevicePanelWidgets {
  explicit DevicePanelWidgets(const QWidget& form);

  QList<QWidget*> pictures;  // LX1Image, QM4Image, MV1Image
  QWidget* pressureSwitchPicture;
  QWidget* switchDevicePicture;
  QWidget* levelDevicePicture;
  QWidget* menuLine;
  QGroupBox* panel;
  QTabWidget* pages;
  QWidget* programmingPage;
  QWidget* readoutPage;
  QWidget* serialNumberEdit;  // SNEdit of the programming page
  QLabel* levelUnitLabel;
  QLabel* pressureRangeUnitLabel;
  QLabel* pressureLabel;
  QLabel* pressureUnitLabel;
  QLabel* voltageLabel;
  QLabel* voltageUnitLabel;
  QLabel* noAnalogLabel;
  QLabel* switch1Label;
  QLabel* switch2Label;
  QList<QWidget*> headings;  // shown on every reset
  QList<QWidget*> values;    // device type and version, serial number, ranges
  QList<QWidget*> pressureRangeRow;
  QList<QWidget*> temperatureRangeRow;
  QList<QWidget*> analogOutputRangeRow;
  QList<QWidget*> busAddressRow;
  QList<QWidget*> programmerValues;
  QList<QWidget*> switchStatePictures;
  QList<QWidget*> addressWidgets;  // the factory read and program addresses
};

// The device information panel and the family layouts: which widgets show
// for the device read last, and the captions that depend on it.
class DevicePanelPresenter {
 public:
  // Everything given outlives the presenter.
  DevicePanelPresenter(const QWidget& form, const SwitchTabs& tabs, const ConsoleState& state,
                       const LanguageTexts& texts, bool factoryMode,
                       SwitchDiagramPresenter& diagram);

  void ResetDeviceView();
  void ShowFamily1View();
  void ShowFamily2View();
  void ShowFamily4View();
  void ShowFactoryView();
  // Writes a read-out's values and lays out the view for its family.
  void ShowReadout(const DeviceReadout& readout);
  // The captions that depend on the device as well as on the language: the
  // delay step and range, the level device's unit.
  void ApplyLanguageCaptions();

 private:
  struct SwitchTabLayout;
  void LayOutSwitchTabs(const SwitchTabLayout& switch1, const SwitchTabLayout& switch2);
  void ShowDeviceRows(DeviceFamily family);
  void ShowLiveValues(bool pressure, bool pressureUnit, bool voltage);
  void ShowLevelUnitCaption();
  QString PressureUnitText() const;

  DevicePanelWidgets w_;
  const SwitchTabs& tabs_;
  const ConsoleState& state_;
  const LanguageTexts& texts_;
  const bool factoryMode_;
  SwitchDiagramPresenter& diagram_;
  ReadoutValuesView values_;
};

}  // namespace tarnwick
