#pragma once

#include <QCloseEvent>
#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "console/live/live_presenter.h"
#include "console/panel/device_panel_presenter.h"
#include "console/panel/entry_presenter.h"
#include "console/panel/switch_diagram_presenter.h"
#include "console/panel/switch_tab_widgets.h"
#include "console/panel/unit_menu_presenter.h"
#include "console/ports/port_menu_presenter.h"
#include "console/program/program_presenter.h"
#include "console/session/session_presenter.h"
#include "console/shell/language_presenter.h"
#include "console/shell/services.h"
#include "console/widgets/action_guard.h"
#include "console/widgets/language_texts.h"
#include "device/console_state.h"
#include "device/pressure_units.h"

namespace Ui {
class TMainForm;
}

namespace tarnwick {

class TForm2;
class TPortDlg;

// The console's main window: a shell that owns the console's state and one
// presenter per subsystem, wires the widgets' signals to the handlers, and
// keeps the handlers' names as short forwards to the presenters.
class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // `arguments` are the command-line arguments without the program path.
  TMainForm(ConsoleServices services, const QStringList& arguments, QWidget* parent = nullptr);
  ~TMainForm() override;

  bool FactoryMode() const { return factoryMode_; }
  int ComPortNumber() const { return state_.comPortNumber; }
  tarnwick::DeviceFamily DeviceFamily() const { return state_.deviceFamily; }
  bool DeviceDataValid() const { return state_.deviceDataValid; }
  // The port dialog and the About box, created right after the main window
  // (console_windows.cpp).
  void SetPortDialog(TPortDlg* portDialog) { ports_.SetPortDialog(portDialog); }
  void SetAboutBox(TForm2* aboutBox) { aboutBox_ = aboutBox; }

  // Device session.
  void ReadButtonClick();

  // Information panel and family layouts.
  void ResetDeviceView() { panel_.ResetDeviceView(); }

  // Units and languages.
  void ApplyPressureUnit() { units_.ApplyPressureUnit(); }
  void ApplyLanguage();

  // Programming and the live display.
  void ProgramButtonClick();
  void SNCheckBoxClick() { program_.SNCheckBoxClick(); }
  void OnlineSpeedButtonClick() { live_.OnlineSpeedButtonClick(); }
  void OnlineTimerTimer() { live_.OnlineTimerTimer(); }

  // Port menu and port watcher.
  void BuildPortMenu() { ports_.BuildPortMenu(); }
  void SelectPortMenuItem(QAction* item) { ports_.SelectPortMenuItem(item); }
  void SetComPortMenuItemClick() { ports_.SetComPortMenuItemClick(); }
  const T_Dev_Handler* PortWatcher() const { return ports_.PortWatcher(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
#ifdef Q_OS_WIN
  // WM_DEVICECHANGE, Windows' news of devices that come and go
  // (tmain_form_win32.cpp).
  bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

 private:
  void FormCreate();
  void FormClose();
  void ShowModeControls();
  void ConnectSignals();
  void LoadSettings();
  void SaveSettings();
  void PlaceWindow(int left, int top);

  void ExitMenuItemClick();
  void InfoMenuItemClick();
  void GermanMenuItemClick();
  void EnglishMenuItemClick();
  void FrenchMenuItemClick();
  void SelectLanguage(int languageIndex);
  void BarMenuItemClick();
  void PSIMenuItemClick();
  void MPaMenuItemClick();

  ConsoleServices services_;
  // Decided once from the command line, before anything is laid out.
  const bool factoryMode_;
  std::unique_ptr<Ui::TMainForm> ui;
  ConsoleState state_;
  LanguageTexts texts_;
  ActionGuard guard_;
  // The widgets of switch tabs 1 and 2, looked up by name once.
  SwitchTabs switchTabs_;
  LanguagePresenter language_;
  SwitchDiagramPresenter diagram_;
  DevicePanelPresenter panel_;
  UnitMenuPresenter units_;
  EntryPresenter entry_;
  SessionPresenter session_;
  LivePresenter live_;
  ProgramPresenter program_;
  PortMenuPresenter ports_;
  TForm2* aboutBox_ = nullptr;
};

}  // namespace tarnwick
