#include "console/panel/readout_values_view.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "console/widgets/locale_number.h"
#include "console/widgets/widget_lookup.h"
#include "view/number_text.h"
#include "view/readout_text.h"

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

ReadoutValuesView::ReadoutValuesView(const QWidget& form, const SwitchTabs& tabs,
                                     const ConsoleState& state)
    : tabs_(tabs),
      state_(state),
      programmerType_(FindWidget<QLabel>(form, "ProgrammerTypeLabel")),
      programmerVersion_(FindWidget<QLabel>(form, "SoftwareVersionProgrammerLabel")),
      deviceType_(FindWidget<QLabel>(form, "DeviceTypeLabel")),
      deviceVersion_(FindWidget<QLabel>(form, "SoftwareVersionDeviceLabel")),
      pressureRange_(FindWidget<QLabel>(form, "PressureRangeLabel")),
      temperatureRange_(FindWidget<QLabel>(form, "TemperatureRangeLabel")),
      analogOutputRange_(FindWidget<QLabel>(form, "AnalogOutputRangeLabel")),
      serialNumber_(FindWidget<QLabel>(form, "SerialNumberLabel")),
      busAddress_(FindWidget<QLabel>(form, "BusAddressLabel")),
      pressureRangeMinRead_(FindWidget<QLineEdit>(form, "PressureRangeMinReadEdit")),
      pressureRangeMaxRead_(FindWidget<QLineEdit>(form, "PressureRangeMaxReadEdit")),
      temperatureRangeMinRead_(FindWidget<QLineEdit>(form, "TemperatureRangeMinReadEdit")),
      temperatureRangeMaxRead_(FindWidget<QLineEdit>(form, "TemperatureRangeMaxReadEdit")),
      analogOutRead_(FindWidget<QComboBox>(form, "AnalogOutReadComboBox")),
      serialNumberRead_(FindWidget<QLineEdit>(form, "SNReadEdit")),
      windowHysteresisRead_(FindWidget<QLineEdit>(form, "WHReadEdit")) {
  for (int n = 0; n < 2; ++n) {
    const QString sw = QStringLiteral("SW%1").arg(n + 1);
    readBack_[static_cast<std::size_t>(n)] = {
        FindWidget<QLineEdit>(form, sw + "HReadEdit"),
        FindWidget<QLineEdit>(form, sw + "LReadEdit"),
        FindWidget<QComboBox>(form, sw + "STReadComboBox"),
        FindWidget<QComboBox>(form, sw + "SFReadComboBox"),
        FindWidget<QLineEdit>(form, sw + "CDReadEdit"),
        FindWidget<QLineEdit>(form, sw + "ODReadEdit"),
    };
  }
}

QString ReadoutValuesView::Pressure(float value, int decimals) const {
  return Q(FormatFixed(value, decimals, kPanelPrecision, DecimalSeparator()));
}

void ReadoutValuesView::Show(const DeviceReadout& r) {
  const char separator = DecimalSeparator();
  ShowIdentity(r);
  const int rangeDecimals =
      r.family == DeviceFamily::kLevelDevice ? kLevelRangeDecimals : state_.pressureDecimals;
  pressureRange_->setText(Q(RangeText(state_.pressureRangeShown, rangeDecimals, separator)));
  temperatureRange_->setText(Q(RangeText(r.temperatureRange, kTemperatureDecimals, separator)));
  if (r.analogOutputRange) {
    analogOutputRange_->setText(
        Q(RangeText(*r.analogOutputRange, kAnalogOutputDecimals, separator)));
  }
  serialNumber_->setText(QString::number(r.serialNumber));
  if (r.reportedBusAddress) busAddress_->setText(QString::number(*r.reportedBusAddress));
  ShowSwitches(r);
  if (r.factoryReadBack) ShowFactoryReadBack(*r.factoryReadBack);
}

void ReadoutValuesView::ShowIdentity(const DeviceReadout& r) {
  const QString identityType = Q(ByteDotByte(r.identity.Class, r.identity.Group));
  const QString identityVersion = Q(ByteDotByte(r.identity.VersionMajor, r.identity.VersionMinor));
  if (r.attachedSwitch) {
    // The pressure switch describes itself; the identity is its programmer's.
    programmerType_->setText(identityType);
    programmerVersion_->setText(identityVersion);
    deviceType_->setText(Q(ByteDotByte(r.attachedSwitch->typeFirst, r.attachedSwitch->typeSecond)));
    deviceVersion_->setText(
        Q(ByteDotByte(r.attachedSwitch->versionMajor, r.attachedSwitch->versionMinor)));
  } else {
    deviceType_->setText(identityType);
    deviceVersion_->setText(identityVersion);
  }
}

void ReadoutValuesView::ShowSwitches(const DeviceReadout& r) {
  const char separator = DecimalSeparator();
  for (std::size_t n = 0; n < r.switches.size(); ++n) {
    const SwitchReadout& sw = r.switches[n];
    const SwitchTabWidgets& tab = tabs_[n];
    if (sw.outputType && *sw.outputType != OutputType::kNone) {
      tab.typeLabel->setText(QString::fromLatin1(OutputTypeText(*sw.outputType)));
    }
    ShowSelection(tab, sw.selection);
    tab.high->setText(
        Pressure(PressureToShown(sw.highBar, state_.pressureUnit), state_.pressureDecimals));
    tab.low->setText(
        Pressure(PressureToShown(sw.lowBar, state_.pressureUnit), state_.pressureDecimals));
    if (sw.closingDelaySteps) {
      tab.closingDelay->setText(Q(DelayText(r.family, *sw.closingDelaySteps, separator)));
    }
    if (sw.openingDelaySteps) {
      tab.openingDelay->setText(Q(DelayText(r.family, *sw.openingDelaySteps, separator)));
    }
  }
}

// Raw stored values: bar whatever the unit, codes as list positions, delays
// as device steps.
void ReadoutValuesView::ShowFactoryReadBack(const FactoryReadBack& back) {
  const int decimals = state_.pressureDecimals;
  pressureRangeMinRead_->setText(Pressure(back.pressureRangeBar.min, decimals));
  pressureRangeMaxRead_->setText(Pressure(back.pressureRangeBar.max, decimals));
  temperatureRangeMinRead_->setText(Pressure(back.temperatureRange.min, kTemperatureDecimals));
  temperatureRangeMaxRead_->setText(Pressure(back.temperatureRange.max, kTemperatureDecimals));
  analogOutRead_->setCurrentIndex(0);
  serialNumberRead_->setText(QString::number(back.serialNumber));
  windowHysteresisRead_->setText(QString::number(back.windowHysteresis));
  for (std::size_t n = 0; n < back.switches.size(); ++n) {
    const FactoryReadBack::Switch& sw = back.switches[n];
    const ReadBackSwitch& w = readBack_[n];
    w.high->setText(Pressure(sw.highBar, decimals));
    w.low->setText(Pressure(sw.lowBar, decimals));
    w.outputType->setCurrentIndex(sw.outputTypeCode);
    w.function->setCurrentIndex(sw.functionCode);
    w.closingDelay->setText(QString::number(sw.closingDelaySteps));
    w.openingDelay->setText(QString::number(sw.openingDelaySteps));
  }
}

}  // namespace tarnwick
