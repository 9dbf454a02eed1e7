#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "bus/bus_link.h"
#include "console/session/window_observer.h"
#include "console/widgets/busy_cursor.h"
#include "console/widgets/language_texts.h"
#include "device/action_buttons.h"
#include "device/console_state.h"
#include "device/device_readout.h"
#include "device/read_session.h"

class QAbstractButton;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QWidget;

namespace tarnwick {

class Dialogs;

// What the session frame asks of the rest of the window.
struct SessionView {
  // Empties the view (the family layouts' reset).
  std::function<void()> resetDeviceView;
  // Writes a read-out's values and lays out its family.
  std::function<void(const DeviceReadout&)> showReadout;
  // Stops the live display's timer; its button keeps its position.
  std::function<void()> stopLiveTimer;
};

// The session frame every device operation of the console runs in: the read
// button's session, the link's opening and closing, the progress bar, the
// hourglass, the one failure report, and the three action buttons, which
// only this presenter writes, from the session's status.
class SessionPresenter {
 public:
  // Everything given outlives the presenter.
  SessionPresenter(const QWidget& form, ConsoleState& state, BusLink& link, Dialogs& dialogs,
                   const LanguageTexts& texts, bool factoryMode, SessionView view);

  // The read button's session. Throws NumberTextError when the factory read
  // address is not a whole number, before anything else has happened but
  // the read-out's first two steps.
  void ReadButtonClick();

  // Opens the link on the chosen port; false after message 50.
  bool OpenDeviceLink();
  void CloseDeviceLink();
  // The failure report: closes the link, stops the live display, forgets the
  // device, empties the view and shows message `number`; below message 50,
  // why the port could not be opened, where the system tells.
  void ShowErrorMessage(int number);
  // As ShowErrorMessage, for an operation at a bus address; the program
  // button stays usable.
  void ShowErrorMessageAt(int number, int address);
  // A read-out's end: the values on success, else its failure report (or,
  // when the user gave up looking for a pressure switch, the report's
  // clean-up without a box). True on success.
  bool ShowReadoutResult(const ReadoutResult& result);

  // A programming run starts: the live display stops, the hourglass shows,
  // nothing else may start.
  void BeginRun();
  // The run ended (its failure, if any, already reported): the buttons come
  // back as the session now stands.
  void EndRun();
  // The live display started or stopped.
  void SetLiveRunning(bool running);

  // Progress bar and read-again question for the device engines.
  EngineObserver& Progress() { return observer_; }
  void SetProgress(int position) { observer_.SetProgress(position); }
  BusyCursor& cursor() { return cursor_; }

 private:
  void PrepareDeviceRead();
  void ReportSessionFailure(const ReadSessionResult& session);
  void BringReadBackPageToFront();
  void EndDeclinedRead();
  void EndWithFailure();
  // After a report's box: the buttons as the session now stands.
  void FinishReport();
  // Writes the three action buttons from the session's status.
  void ShowActionButtons();

  ConsoleState& state_;
  BusLink& link_;
  Dialogs& dialogs_;
  const LanguageTexts& texts_;
  const bool factoryMode_;
  SessionView view_;
  QPushButton* readButton_;
  QPushButton* programButton_;
  QAbstractButton* onlineButton_;
  QLineEdit* readAddress_;
  QLabel* readAddressCaption_;
  QTabWidget* pages_;
  QWidget* readoutPage_;
  QWidget* programmingPage_;
  QLabel* levelUnitLabel_;
  QLabel* analogOutputRangeHead_;
  WindowObserver observer_;
  BusyCursor cursor_;
  bool busy_ = false;
  bool liveRunning_ = false;
  bool rangeProgrammingAllowed_ = true;
};

}  // namespace tarnwick
