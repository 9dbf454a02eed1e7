#include "console/live/live_presenter.h"

#include <QAbstractButton>
#include <QLabel>

#include "console/widgets/dialogs.h"
#include "console/widgets/locale_number.h"
#include "console/widgets/widget_lookup.h"
#include "device/identification.h"
#include "device/same_device.h"
#include "texts/message_numbers.h"
#include "view/number_text.h"
#include "view/readout_text.h"

namespace tarnwick {
namespace {

constexpr int kTickIntervalMs = 500;
constexpr int kVoltageDecimals = 2;

QString Fixed(double value, int decimals) {
  return QString::fromStdString(FormatFixed(value, decimals, kPanelPrecision, DecimalSeparator()));
}

}  // namespace

LivePresenter::LivePresenter(const QWidget& form, const ConsoleState& state, BusLink& link,
                             Dialogs& dialogs, const LanguageTexts& texts,
                             SessionPresenter& session)
    : state_(state),
      link_(link),
      dialogs_(dialogs),
      texts_(texts),
      session_(session),
      button_(FindWidget<QAbstractButton>(form, "OnlineSpeedButton")),
      pressure_(FindWidget<QLabel>(form, "PressureLabel")),
      pressureUnit_(FindWidget<QLabel>(form, "PressureUnitLabel")),
      voltage_(FindWidget<QLabel>(form, "VoltageLabel")),
      voltageUnit_(FindWidget<QLabel>(form, "VoltageUnitLabel")),
      noAnalog_(FindWidget<QLabel>(form, "NoAnalogLabel")),
      open_{FindWidget<QLabel>(form, "SW1OpenImage"), FindWidget<QLabel>(form, "SW2OpenImage")},
      closed_{FindWidget<QLabel>(form, "SW1ClosedImage"),
              FindWidget<QLabel>(form, "SW2ClosedImage")} {
  timer_.setInterval(kTickIntervalMs);
}

void LivePresenter::OnlineSpeedButtonClick() {
  // The toggle has moved already: its position is the user's wish, and the
  // session puts it where the display then stands.
  const bool start = button_->isChecked();
  if (!session_.OpenDeviceLink()) return;
  const EngineOutcome same =
      CheckSameDevice(link_, state_.sessionAddress, state_.deviceIdentity, state_.serialNumber);
  if (!same.succeeded()) {
    session_.ShowErrorMessage(same.message);
    return;
  }
  if (start) {
    timer_.start();
  } else {
    timer_.stop();
    session_.CloseDeviceLink();
  }
  session_.SetLiveRunning(start);
}

void LivePresenter::OnlineTimerTimer() {
  if (state_.deviceFamily == DeviceFamily::kNone) return;
  const float analogOutMin = state_.analogOutRange.min;
  const LiveReading reading =
      LiveTick(link_, state_.deviceFamily, state_.sessionAddress, analogOutMin);
  // What the tick learned before a failure stays on screen.
  if (reading.analogOutputPresent) ShowAnalogOutput(*reading.analogOutputPresent);
  if (reading.outcome.message == kMsgNoSwitchAtProgrammer) {
    session_.ShowErrorMessage(kMsgNoSwitchAtProgrammer);
    return;
  }
  if (!reading.outcome.succeeded()) {
    EndAfterFailedTick();
    return;
  }
  ShowValues(reading);
  ShowStates(reading.states);
}

void LivePresenter::ShowAnalogOutput(bool working) {
  noAnalog_->setVisible(!working);
  SetVisible({voltageUnit_, pressureUnit_, voltage_, pressure_}, working);
}

void LivePresenter::ShowValues(const LiveReading& reading) {
  switch (state_.deviceFamily) {
    case DeviceFamily::kPressureSwitch:
      if (reading.voltage) voltage_->setText(Fixed(*reading.voltage, kVoltageDecimals));
      break;
    case DeviceFamily::kSwitchDevice:
      voltageUnit_->hide();
      pressureUnit_->show();
      break;
    case DeviceFamily::kLevelDevice:
      SetVisible({voltageUnit_, pressureUnit_}, false);
      break;
    case DeviceFamily::kNone:
      break;
  }
  if (!reading.value) return;
  // The level device's channel is no pressure: it is shown as read.
  const double shown = state_.deviceFamily == DeviceFamily::kLevelDevice
                           ? *reading.value
                           : PressureToShown(*reading.value, state_.pressureUnit);
  pressure_->setText(Fixed(shown, state_.pressureDecimals));
}

void LivePresenter::ShowStates(const SwitchStates& states) {
  const OutputState outputs[] = {states.output1, states.output2};
  for (std::size_t n = 0; n < open_.size(); ++n) {
    if (outputs[n] != OutputState::kUnchanged) {
      open_[n]->setVisible(outputs[n] == OutputState::kOpen);
      closed_[n]->setVisible(outputs[n] == OutputState::kClosed);
    }
    // A pressure switch without this output has no state to show.
    const bool absent =
        state_.deviceFamily == DeviceFamily::kPressureSwitch && !state_.switchPresent[n];
    if (absent) SetVisible({open_[n], closed_[n]}, false);
  }
}

// Unlike a failure report, the view and the device stay, so that the user can
// press the button again.
void LivePresenter::EndAfterFailedTick() {
  timer_.stop();
  session_.SetLiveRunning(false);
  session_.CloseDeviceLink();
  dialogs_.ShowError(texts_.Text(kMsgNoAnswer));
}

}  // namespace tarnwick
