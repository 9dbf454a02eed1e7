#pragma once

#include <QString>
#include <array>
#include <filesystem>

#include "bus/bus_link.h"
#include "console/panel/switch_tab_widgets.h"
#include "console/session/session_presenter.h"
#include "console/widgets/language_texts.h"
#include "device/console_state.h"
#include "programming/factory_input_check.h"
#include "programming/programming_inputs.h"
#include "texts/console_texts.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;
class QWidget;

namespace tarnwick {

class Dialogs;

// The program button in both modes. Normal mode writes what the switch tabs
// show into the device read last and reads it back, then warns when the device
// holds other values than were written. Factory mode writes the programming
// page into every programmer of an address range and keeps a journal of each
// address.
class ProgramPresenter {
 public:
  struct Services {
    BusLink& link;
    Dialogs& dialogs;
    // The folder of the production journal's daily files.
    std::filesystem::path journalDirectory;
  };

  // Everything given outlives the presenter.
  ProgramPresenter(const QWidget& form, const SwitchTabs& tabs, ConsoleState& state,
                   Services services, const LanguageTexts& texts, bool factoryMode,
                   SessionPresenter& session);

  // Throws NumberTextError for a switch point, delay or normal-mode text that
  // is not a number, before anything is sent.
  void ProgramButtonClick();
  // The serial number edit is usable exactly while serial numbers are written.
  void SNCheckBoxClick();
  // The programming page's start values (factory mode).
  void InitFactoryInputs();
  // The page's lists on their first entry.
  void SelectFirstListEntries();

 private:
  struct FactorySwitchWidgets {
    QLineEdit* high;
    QLineEdit* low;
    QComboBox* function;
    QComboBox* outputType;
    QLineEdit* closingDelay;
    QLineEdit* openingDelay;
  };

  bool CheckSwitchPointOrder();
  NormalProgramInputs NormalInputs() const;
  // The values of switch tab 1 or 2, and the caption of one of its fields.
  SwitchProgramValues SwitchValues(int switchNumber) const;
  std::string Field(int switchNumber, ConsoleText field) const;
  FactoryPageTexts FactoryPage() const;
  void StartRun();
  void ProgramDevice(const NormalProgramInputs& inputs);
  void ProgramRange(const FactoryProgramInputs& inputs);
  void WarnAboutReadBack(const NormalProgramInputs& written, const DeviceReadout& readBack);

  const SwitchTabs& tabs_;
  ConsoleState& state_;
  Services services_;
  const LanguageTexts& texts_;
  const bool factoryMode_;
  SessionPresenter& session_;
  QTabWidget* pages_;
  QLineEdit* firstAddress_;
  QLineEdit* lastAddress_;
  QComboBox* analogOutput_;
  QLineEdit* pressureRangeMin_;
  QLineEdit* pressureRangeMax_;
  QLineEdit* temperatureMin_;
  QLineEdit* temperatureMax_;
  QLineEdit* windowHysteresis_;
  QCheckBox* writeSerialNumbers_;
  QLineEdit* serialNumber_;
  std::array<FactorySwitchWidgets, 2> factorySwitches_;
};

}  // namespace tarnwick
