#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/tmain_form.h"
#include "device/identification.h"
#include "ui_TMainForm.h"
#include "view/locale_number.h"
#include "view/number_text.h"
#include "view/readout_text.h"
#include "view/switch_tab_widgets.h"

namespace tarnwick {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

void ShowSelection(const SwitchTabWidgets& tab, const SwitchSelection& selection) {
  if (selection.function) {
    switch (*selection.function) {
      case SwitchFunction::kOff:
        tab.off->setChecked(true);
        break;
      case SwitchFunction::kHysteresis:
        tab.hysteresis->setChecked(true);
        break;
      case SwitchFunction::kWindow:
        tab.window->setChecked(true);
        break;
    }
  }
  if (selection.contact) {
    (*selection.contact == SwitchContact::kNormallyClosed ? tab.normallyClosed : tab.normallyOpen)
        ->setChecked(true);
  }
}

}  // namespace

void TMainForm::ShowReadout(const DeviceReadout& r) {
  const char separator = DecimalSeparator();
  const int family = r.family;
  const std::string identityType = ByteDotByte(r.identity.Class, r.identity.Group);
  const std::string identityVersion = ByteDotByte(r.identity.VersionMajor, r.identity.VersionMinor);
  if (r.attachedSwitch) {
    // The pressure switch describes itself; the identity is its programmer's.
    ui->ProgrammerTypeLabel->setText(Q(identityType));
    ui->SoftwareVersionProgrammerLabel->setText(Q(identityVersion));
    ui->DeviceTypeLabel->setText(
        Q(ByteDotByte(r.attachedSwitch->typeFirst, r.attachedSwitch->typeSecond)));
    ui->SoftwareVersionDeviceLabel->setText(
        Q(ByteDotByte(r.attachedSwitch->versionMajor, r.attachedSwitch->versionMinor)));
  } else {
    ui->DeviceTypeLabel->setText(Q(identityType));
    ui->SoftwareVersionDeviceLabel->setText(Q(identityVersion));
  }

  pressureRangeBar_ = r.pressureRangeBar;
  pressureRangeShown_ = {PressureToShown(r.pressureRangeBar.min, pressureUnit_),
                         PressureToShown(r.pressureRangeBar.max, pressureUnit_)};
  pressureDecimals_ = UpdatePressureDecimals(family, pressureRangeShown_.max, pressureDecimals_);
  const int rangeDecimals = family == kFamilyLevelDevice ? kLevelRangeDecimals : pressureDecimals_;
  ui->PressureRangeLabel->setText(Q(RangeText(pressureRangeShown_, rangeDecimals, separator)));
  ui->TemperatureRangeLabel->setText(
      Q(RangeText(r.temperatureRange, kTemperatureDecimals, separator)));
  if (r.analogOutputRange) {
    analogOutRange_ = *r.analogOutputRange;
    ui->AnalogOutputRangeLabel->setText(
        Q(RangeText(analogOutRange_, kAnalogOutputDecimals, separator)));
  }
  if (r.analogOutputPresent) analogOutputPresent_ = *r.analogOutputPresent;

  serialNumber_ = r.serialNumber;
  ui->SerialNumberLabel->setText(QString::number(serialNumber_));
  if (r.reportedBusAddress) ui->BusAddressLabel->setText(QString::number(*r.reportedBusAddress));

  bool* const present[] = {&switch1Present_, &switch2Present_};
  bool* const off[] = {&switch1Off_, &switch2Off_};
  for (std::size_t n = 0; n < r.switches.size(); ++n) {
    const SwitchReadout& sw = r.switches[n];
    const SwitchTabWidgets& tab = switchTabs_[n];
    if (sw.outputType) {
      *present[n] = *sw.outputType != OutputType::kNone;
      if (*present[n]) tab.typeLabel->setText(QString::fromLatin1(OutputTypeText(*sw.outputType)));
    }
    *off[n] = sw.off;
    ShowSelection(tab, sw.selection);
    tab.high->setText(Q(FormatFixed(PressureToShown(sw.highBar, pressureUnit_), pressureDecimals_,
                                    kPanelPrecision, separator)));
    tab.low->setText(Q(FormatFixed(PressureToShown(sw.lowBar, pressureUnit_), pressureDecimals_,
                                   kPanelPrecision, separator)));
    if (sw.closingDelaySteps) {
      tab.closingDelay->setText(Q(DelayText(family, *sw.closingDelaySteps, separator)));
    }
    if (sw.openingDelaySteps) {
      tab.openingDelay->setText(Q(DelayText(family, *sw.openingDelaySteps, separator)));
    }
  }

  switch (family) {
    case kFamilyPressureSwitch:
      if (r.factoryReadBack) {
        ShowFactoryReadBack(*r.factoryReadBack);
        ShowFactoryView();
      } else {
        ShowFamily1View();
      }
      break;
    case kFamilySwitchDevice:
      ShowFamily2View();
      break;
    case kFamilyLevelDevice:
      levelUnitIndex_ = r.levelUnitIndex;
      ShowFamily4View();
      break;
  }
}

// Raw stored values: bar whatever the unit, codes as list positions, delays
// as device steps.
void TMainForm::ShowFactoryReadBack(const FactoryReadBack& back) {
  const char separator = DecimalSeparator();
  const auto bar = [&](float value) {
    return Q(FormatFixed(value, pressureDecimals_, kPanelPrecision, separator));
  };
  const auto degrees = [&](float value) {
    return Q(FormatFixed(value, kTemperatureDecimals, kPanelPrecision, separator));
  };
  ui->PressureRangeMinReadEdit->setText(bar(back.pressureRangeBar.min));
  ui->PressureRangeMaxReadEdit->setText(bar(back.pressureRangeBar.max));
  ui->TemperatureRangeMinReadEdit->setText(degrees(back.temperatureRange.min));
  ui->TemperatureRangeMaxReadEdit->setText(degrees(back.temperatureRange.max));
  ui->AnalogOutReadComboBox->setCurrentIndex(0);
  ui->SNReadEdit->setText(QString::number(back.serialNumber));
  ui->WHReadEdit->setText(QString::number(back.windowHysteresis));

  struct ReadBackWidgets {
    QLineEdit* high;
    QLineEdit* low;
    QComboBox* outputType;
    QComboBox* function;
    QLineEdit* closingDelay;
    QLineEdit* openingDelay;
  };
  const ReadBackWidgets widgets[] = {
      {ui->SW1HReadEdit, ui->SW1LReadEdit, ui->SW1STReadComboBox, ui->SW1SFReadComboBox,
       ui->SW1CDReadEdit, ui->SW1ODReadEdit},
      {ui->SW2HReadEdit, ui->SW2LReadEdit, ui->SW2STReadComboBox, ui->SW2SFReadComboBox,
       ui->SW2CDReadEdit, ui->SW2ODReadEdit},
  };
  for (std::size_t n = 0; n < back.switches.size(); ++n) {
    const FactoryReadBack::Switch& sw = back.switches[n];
    const ReadBackWidgets& w = widgets[n];
    w.high->setText(bar(sw.highBar));
    w.low->setText(bar(sw.lowBar));
    w.outputType->setCurrentIndex(sw.outputTypeCode);
    w.function->setCurrentIndex(sw.functionCode);
    w.closingDelay->setText(QString::number(sw.closingDelaySteps));
    w.openingDelay->setText(QString::number(sw.openingDelaySteps));
  }
}

}  // namespace tarnwick
