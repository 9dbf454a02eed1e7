#pragma once

#include <QString>
#include <array>

#include "console/panel/switch_tab_widgets.h"
#include "device/console_state.h"
#include "device/device_readout.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace tarnwick {

// Writes what a read-out found into the panel's labels, the switch tabs and,
// in factory mode, the read-back page, in the formats the panel uses: the
// pressures in the unit and with the decimals of `state`, which the session
// has already brought up to date with the read-out.
class ReadoutValuesView {
 public:
  ReadoutValuesView(const QWidget& form, const SwitchTabs& tabs, const ConsoleState& state);

  void Show(const DeviceReadout& readout);

 private:
  void ShowIdentity(const DeviceReadout& readout);
  void ShowSwitches(const DeviceReadout& readout);
  void ShowFactoryReadBack(const FactoryReadBack& readBack);
  QString Pressure(float value, int decimals) const;

  struct ReadBackSwitch {
    QLineEdit* high;
    QLineEdit* low;
    QComboBox* outputType;
    QComboBox* function;
    QLineEdit* closingDelay;
    QLineEdit* openingDelay;
  };

  const SwitchTabs& tabs_;
  const ConsoleState& state_;
  QLabel* programmerType_;
  QLabel* programmerVersion_;
  QLabel* deviceType_;
  QLabel* deviceVersion_;
  QLabel* pressureRange_;
  QLabel* temperatureRange_;
  QLabel* analogOutputRange_;
  QLabel* serialNumber_;
  QLabel* busAddress_;
  QLineEdit* pressureRangeMinRead_;
  QLineEdit* pressureRangeMaxRead_;
  QLineEdit* temperatureRangeMinRead_;
  QLineEdit* temperatureRangeMaxRead_;
  QComboBox* analogOutRead_;
  QLineEdit* serialNumberRead_;
  QLineEdit* windowHysteresisRead_;
  std::array<ReadBackSwitch, 2> readBack_;
};

}  // namespace tarnwick
