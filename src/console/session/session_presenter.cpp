#include "console/session/session_presenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include "console/widgets/dialogs.h"
#include "console/widgets/widget_lookup.h"
#include "device/config_codec.h"
#include "device/identification.h"
#include "device/port_failure_reason.h"
#include "texts/message_numbers.h"
#include "view/number_text.h"

namespace tarnwick {
namespace {

constexpr int kProgressSessionStart = 5;
constexpr int kProgressDone = 100;
constexpr int kProgressIdle = 0;

}  // namespace

SessionPresenter::SessionPresenter(const QWidget& form, ConsoleState& state, BusLink& link,
                                   Dialogs& dialogs, const LanguageTexts& texts, bool factoryMode,
                                   SessionView view)
    : state_(state),
      link_(link),
      dialogs_(dialogs),
      texts_(texts),
      factoryMode_(factoryMode),
      view_(std::move(view)),
      readButton_(FindWidget<QPushButton>(form, "ReadButton")),
      programButton_(FindWidget<QPushButton>(form, "ProgramButton")),
      onlineButton_(FindWidget<QAbstractButton>(form, "OnlineSpeedButton")),
      readAddress_(FindWidget<QLineEdit>(form, "ReadAddressEdit")),
      readAddressCaption_(FindWidget<QLabel>(form, "ReadAddressLabel")),
      pages_(FindWidget<QTabWidget>(form, "PageControl")),
      readoutPage_(FindWidget<QWidget>(form, "ReadoutTabSheet")),
      programmingPage_(FindWidget<QWidget>(form, "ProgrammingTabSheet")),
      levelUnitLabel_(FindWidget<QLabel>(form, "Morvik_unit_label")),
      analogOutputRangeHead_(FindWidget<QLabel>(form, "AnalogOutputRangeHeadLabel")),
      observer_(*FindWidget<QProgressBar>(form, "ActivityProgressBar"), dialogs,
                [this] { return texts_.Text(kMsgAskReadAgain); }) {
  ShowActionButtons();
}

void SessionPresenter::ReadButtonClick() {
  levelUnitLabel_->hide();
  analogOutputRangeHead_->show();
  // Only the low byte addresses the bus: 256 is the broadcast 0, 300 is 44.
  state_.sessionAddress =
      factoryMode_ ? LowestByte(ParseInField(
                         readAddressCaption_->text().toStdString(),
                         [this] { return ParseInteger(readAddress_->text().toStdString()); }))
                   : kDefaultBusAddress;
  SetProgress(kProgressSessionStart);
  PrepareDeviceRead();

  const ReadSessionResult session =
      RunReadSession(link_, state_.comPortNumber, state_.sessionAddress, factoryMode_, observer_);
  if (session.identity) state_.deviceIdentity = *session.identity;
  state_.deviceFamily = session.family;
  if (!session.succeeded()) {
    ReportSessionFailure(session);
    return;
  }
  ApplyReadout(state_, *session.readout);
  view_.showReadout(*session.readout);
  SetProgress(kProgressDone);
  CloseDeviceLink();
  // Once, so that the window shows the read-out before the buttons come back.
  QApplication::processEvents();
  BringReadBackPageToFront();
  state_.deviceDataValid = true;
  rangeProgrammingAllowed_ = true;
  cursor_.Restore();
  SetProgress(kProgressIdle);
  busy_ = false;
  ShowActionButtons();
}

void SessionPresenter::ReportSessionFailure(const ReadSessionResult& session) {
  // A failure before the read-out leaves factory programming possible; so
  // does a failed read-out of a pressure switch, which factory mode serves.
  const bool readOutFailed = session.family != DeviceFamily::kNone;
  rangeProgrammingAllowed_ = !readOutFailed || session.family == DeviceFamily::kPressureSwitch;
  if (session.outcome.declined) {
    EndDeclinedRead();
  } else {
    ShowErrorMessage(session.outcome.message);
  }
}

// Only a pressure switch read in factory mode has a read-back page; a page
// whose tab is hidden must not cover the switch pages of another device.
void SessionPresenter::BringReadBackPageToFront() {
  if (factoryMode_ && pages_->isTabVisible(pages_->indexOf(readoutPage_))) {
    pages_->setCurrentWidget(readoutPage_);
  }
}

void SessionPresenter::PrepareDeviceRead() {
  cursor_.Show();
  state_.deviceFamily = DeviceFamily::kNone;
  view_.resetDeviceView();
  pages_->setTabVisible(pages_->indexOf(programmingPage_), false);
  view_.stopLiveTimer();
  liveRunning_ = false;
  busy_ = true;
  ShowActionButtons();
}

void SessionPresenter::BeginRun() {
  cursor_.Show();
  view_.stopLiveTimer();
  liveRunning_ = false;
  busy_ = true;
  ShowActionButtons();
}

void SessionPresenter::EndRun() {
  CloseDeviceLink();
  // Once, so that the window shows the end of the run before the buttons come back.
  QApplication::processEvents();
  SetProgress(kProgressIdle);
  cursor_.Restore();
  busy_ = false;
  ShowActionButtons();
}

void SessionPresenter::SetLiveRunning(bool running) {
  liveRunning_ = running;
  ShowActionButtons();
}

void SessionPresenter::ShowActionButtons() {
  const ActionButtonStates buttons =
      ActionButtonsFor({.busy = busy_,
                        .deviceDataValid = state_.deviceDataValid,
                        .factoryMode = factoryMode_,
                        .rangeProgrammingAllowed = rangeProgrammingAllowed_,
                        .liveRunning = liveRunning_});
  readButton_->setEnabled(buttons.readEnabled);
  programButton_->setEnabled(buttons.programEnabled);
  onlineButton_->setEnabled(buttons.displayEnabled);
  onlineButton_->setChecked(buttons.displayDown);
}

bool SessionPresenter::OpenDeviceLink() {
  if (link_.Open(state_.comPortNumber, kDefaultReadTimeoutMs, kBusBaudRate) != BusResult::kOk) {
    ShowErrorMessage(kMsgOpenFailed);
    return false;
  }
  return true;
}

void SessionPresenter::CloseDeviceLink() { link_.Close(); }

bool SessionPresenter::ShowReadoutResult(const ReadoutResult& result) {
  if (result.outcome.declined) {
    EndDeclinedRead();
    return false;
  }
  if (!result.succeeded()) {
    if (result.outcome.address) {
      ShowErrorMessageAt(result.outcome.message, *result.outcome.address);
    } else {
      ShowErrorMessage(result.outcome.message);
    }
    return false;
  }
  if (result.readout) {
    ApplyReadout(state_, *result.readout);
    view_.showReadout(*result.readout);
  }
  return true;
}

// The user gave up looking for a pressure switch: the failure report's
// clean-up without its box.
void SessionPresenter::EndDeclinedRead() {
  EndWithFailure();
  FinishReport();
}

void SessionPresenter::ShowErrorMessage(int number) {
  EndWithFailure();
  const std::string reason =
      number == kMsgOpenFailed
          ? PortFailureReason(texts_.LanguageIndex(), state_.comPortNumber, link_.LastPortStatus(),
                              link_.DeviceName(state_.comPortNumber))
          : std::string{};
  if (reason.empty()) {
    dialogs_.ShowError(texts_.Text(number));
  } else {
    dialogs_.ShowErrorWithReason(texts_.Text(number), QString::fromStdString(reason));
  }
  FinishReport();
}

void SessionPresenter::ShowErrorMessageAt(int number, int address) {
  rangeProgrammingAllowed_ = true;
  EndWithFailure();
  dialogs_.ShowError(texts_.Text(number) + QStringLiteral(" Adr: ") + QString::number(address));
  FinishReport();
}

void SessionPresenter::EndWithFailure() {
  cursor_.Restore();
  CloseDeviceLink();
  SetProgress(kProgressIdle);
  view_.stopLiveTimer();
  liveRunning_ = false;
  ApplyFailure(state_);
  view_.resetDeviceView();
  // The report belongs to the operation it ends: nothing starts before its
  // box is closed.
  busy_ = true;
  ShowActionButtons();
}

void SessionPresenter::FinishReport() {
  busy_ = false;
  ShowActionButtons();
}

}  // namespace tarnwick
