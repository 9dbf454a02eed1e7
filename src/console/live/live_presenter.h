#pragma once

#include <QObject>
#include <QTimer>

#include "bus/bus_link.h"
#include "console/session/session_presenter.h"
#include "console/widgets/language_texts.h"
#include "device/console_state.h"
#include "live/live_reading.h"

class QAbstractButton;
class QLabel;
class QWidget;

namespace tarnwick {

class Dialogs;

// The live display: while its toggle button is down, every 500 ms the
// measured value, the analog output voltage (pressure switch) and the states
// of both switch outputs, next to the device picture. The link stays open
// while it runs.
class LivePresenter {
 public:
  // Everything given outlives the presenter.
  LivePresenter(const QWidget& form, const ConsoleState& state, BusLink& link, Dialogs& dialogs,
                const LanguageTexts& texts, SessionPresenter& session);

  // The button has already changed its state: a press opens the link and
  // checks the device, then the timer runs exactly while the button is down.
  void OnlineSpeedButtonClick();
  // One tick of the display.
  void OnlineTimerTimer();
  // A read, a programming run or a failure report stops the display; the
  // session shows its button up.
  void StopTimer() { timer_.stop(); }
  QTimer& timer() { return timer_; }

 private:
  void ShowAnalogOutput(bool working);
  void ShowValues(const LiveReading& reading);
  void ShowStates(const SwitchStates& states);
  void EndAfterFailedTick();

  const ConsoleState& state_;
  BusLink& link_;
  Dialogs& dialogs_;
  const LanguageTexts& texts_;
  SessionPresenter& session_;
  QTimer timer_;
  QAbstractButton* button_;
  QLabel* pressure_;
  QLabel* pressureUnit_;
  QLabel* voltage_;
  QLabel* voltageUnit_;
  QLabel* noAnalog_;
  std::array<QLabel*, 2> open_;
  std::array<QLabel*, 2> closed_;
};

}  // namespace tarnwick
