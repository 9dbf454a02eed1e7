#pragma once

#include <QCloseEvent>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>

#include "app/services.h"
#include "bus/device_identity.h"
#include "bus/functions.h"
#include "device/device_readout.h"
#include "device/window_observer.h"
#include "view/switch_tab_widgets.h"
#include "view/units.h"

class QRadioButton;

namespace Ui {
class TMainForm;
}

namespace tarnwick {

class TForm2;

// The console's main window. It owns the console's state and widgets; its
// methods are defined in the folder of the subsystem they belong to.
class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // `arguments` are the command-line arguments without the program path.
  TMainForm(ConsoleServices services, QStringList arguments, QWidget* parent = nullptr);
  ~TMainForm() override;

  // Application shell (src/app, src/texts/apply_language.cpp) ---------------
 public:
  bool FactoryMode() const { return factoryMode_; }
  int LanguageIndex() const { return languageIndex_; }
  int ComPortNumber() const { return comPortNumber_; }
  // The About box, created right after the main window (console_windows.cpp).
  void SetAboutBox(TForm2* aboutBox) { aboutBox_ = aboutBox; }

  // The text `number` of the message table in the current language.
  QString Text(int number) const;
  // Runs a handler's work; text that is not a number (EConvertError) is shown
  // in an error box and ends the action there.
  void RunGuarded(const std::function<void()>& action);
  // Puts the captions of the current language on the window; visibility,
  // enabled state, marks and values stay.
  void ApplyLanguage();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate(const QStringList& arguments);
  void FormClose();
  void InitFactoryInputs();
  void ShowModeControls();
  void ConnectShellMenus();
  void LoadSettings();
  void SaveSettings();
  void PlaceWindow(int left, int top);
  void MarkLanguage();
  void SelectLanguage(int languageIndex);

  void ExitMenuItemClick();
  void InfoMenuItemClick();
  void GermanMenuItemClick();
  void EnglishMenuItemClick();
  void FrenchMenuItemClick();

  ConsoleServices services_;
  std::unique_ptr<Ui::TMainForm> ui;
  // The widgets of switch tabs 1 and 2, looked up by name once after the
  // window is built.
  std::array<SwitchTabWidgets, 2> switchTabs_;
  TForm2* aboutBox_ = nullptr;
  bool factoryMode_ = false;
  int languageIndex_ = 1;
  int comPortNumber_ = 1;

  // Device session and read-out (src/device/session.cpp, show_readout.cpp) --
 public:
  int DeviceFamily() const { return deviceFamily_; }
  bool DeviceDataValid() const { return deviceDataValid_; }
  void ReadButtonClick();
  // The session frame that every device operation uses.
  bool OpenDeviceLink();
  void CloseDeviceLink();
  void ShowErrorMessage(int number);
  void ShowErrorMessageAt(int number, int address);
  // A read-out's end on screen: the values and the family's layout on
  // success, else the failure report (or, when the user gave up looking for a
  // pressure switch, the same clean-up without a box). True on success.
  bool ShowReadoutResult(const ReadoutResult& result);
  // Progress bar and read-again question for the device engines.
  EngineObserver& EngineProgress();
  void ActivityProgressBarPosition(int position);

 private:
  void RunReadSession();
  void PrepareDeviceRead();
  bool IdentifyDevice(std::uint8_t address);
  bool ReadOutIdentifiedDevice();
  bool ReadOutFamily1();
  bool ReadOutFamily2();
  bool ReadOutFamily4();
  void BringReadBackPageToFront();
  void EnableAfterFailedRead(bool programmingStaysPossible);
  void EndDeclinedRead();
  void EndWithFailure();
  void ShowReadout(const DeviceReadout& readout);
  void ShowFactoryReadBack(const FactoryReadBack& readBack);
  void ShowBusyCursor();
  void RestoreCursor();
  void StopOnlineTimer() { onlineTimer_.stop(); }
  void ConnectSession();

  int deviceFamily_ = 0;
  bool deviceDataValid_ = false;
  int levelUnitIndex_ = -1;
  bool switch1Present_ = false;
  bool switch2Present_ = false;
  bool analogOutputPresent_ = false;
  std::uint8_t sessionAddress_ = kDefaultBusAddress;
  DeviceIdentity deviceIdentity_;
  std::int32_t serialNumber_ = 0;
  bool switch1Off_ = false;
  bool switch2Off_ = false;
  ValueRange analogOutRange_;
  // The live display's 500 ms timer; every session and failure stops it.
  QTimer onlineTimer_;
  std::unique_ptr<WindowObserver> engineObserver_;
  bool busyCursor_ = false;

  // Information panel and family layouts (src/view/device_panel.cpp) ---------
 public:
  void ResetDeviceView();
  void ShowFamily1View();
  void ShowFamily2View();
  void ShowFamily4View();
  void ShowFactoryView();

 private:
  void ShowLevelUnitCaption();

  // Switch diagram (src/view/switch_diagram.cpp) ------------------------------
 public:
  void UpdateSwitchDiagram();

 private:
  void SelectContactAndUpdate(QRadioButton* contact);
  void ConnectSwitchDiagram();

  // Pressure units (src/view/unit_menu.cpp) -----------------------------------
 public:
  // Takes the unit from the marks of the Units menu, converts what is shown.
  void ApplyPressureUnit();
  // Marks `unit` in the Units menu and unmarks the other two.
  void MarkPressureUnit(PressureUnit unit);

 private:
  PressureUnit MarkedPressureUnit() const;
  QString PressureUnitQText() const;
  void PressureUnitMenuItemClick(PressureUnit unit);
  void ConnectUnitMenu();

  PressureUnit pressureUnit_ = PressureUnit::kBar;
  // Freshly started, pressures have no decimals until a range sets them.
  std::uint8_t pressureDecimals_ = 0;
  ValueRange pressureRangeBar_;
  ValueRange pressureRangeShown_;
};

}  // namespace tarnwick
