#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include "app/tmain_form.h"
#include "bus/bus_link.h"
#include "bus/functions.h"
#include "device/config_codec.h"
#include "device/identification.h"
#include "device/readouts.h"
#include "ui_TMainForm.h"
#include "view/number_text.h"

namespace tarnwick {
namespace {

constexpr int kBaudRate = 9600;
constexpr int kProgressSessionStart = 5;
constexpr int kProgressLinkOpen = 10;
constexpr int kProgressDone = 100;
constexpr int kOnlineIntervalMs = 500;

}  // namespace

void TMainForm::ConnectSession() {
  onlineTimer_.setInterval(kOnlineIntervalMs);
  connect(ui->ReadButton, &QPushButton::clicked, this, &TMainForm::ReadButtonClick);
}

void TMainForm::ReadButtonClick() {
  RunGuarded([this] { RunReadSession(); });
}

void TMainForm::RunReadSession() {
  ui->Morvik_unit_label->hide();
  ui->AnalogOutputRangeHeadLabel->show();
  // Only the low byte addresses the bus: 256 is the broadcast 0, 300 is 44.
  sessionAddress_ = factoryMode_
                        ? LowestByte(ParseInteger(ui->ReadAddressEdit->text().toStdString()))
                        : kDefaultBusAddress;
  ActivityProgressBarPosition(kProgressSessionStart);
  PrepareDeviceRead();
  if (!OpenDeviceLink()) {
    EnableAfterFailedRead(true);
    return;
  }
  ActivityProgressBarPosition(kProgressLinkOpen);
  if (!IdentifyDevice(sessionAddress_)) {
    EnableAfterFailedRead(true);
    return;
  }
  const int family = deviceFamily_;
  if (!ReadOutIdentifiedDevice()) {
    EnableAfterFailedRead(family == kFamilyPressureSwitch);
    return;
  }
  ActivityProgressBarPosition(kProgressDone);
  CloseDeviceLink();
  QApplication::processEvents();
  BringReadBackPageToFront();
  ui->ReadButton->setEnabled(true);
  ui->ProgramButton->setEnabled(true);
  ui->OnlineSpeedButton->setEnabled(true);
  deviceDataValid_ = true;
  RestoreCursor();
  ActivityProgressBarPosition(0);
}

// Only a pressure switch read in factory mode has a read-back page; a page
// whose tab is hidden must not cover the switch pages of another device.
void TMainForm::BringReadBackPageToFront() {
  QTabWidget& pages = *ui->PageControl;
  if (factoryMode_ && pages.isTabVisible(pages.indexOf(ui->ReadoutTabSheet))) {
    pages.setCurrentWidget(ui->ReadoutTabSheet);
  }
}

// Factory programming of an address range needs no read, so the program
// button stays usable there, except after a failed read-out of a switch or
// level device.
void TMainForm::EnableAfterFailedRead(bool programmingStaysPossible) {
  ui->ReadButton->setEnabled(true);
  ui->ProgramButton->setEnabled(programmingStaysPossible && factoryMode_);
}

void TMainForm::PrepareDeviceRead() {
  ShowBusyCursor();
  deviceFamily_ = kFamilyNone;
  ResetDeviceView();
  ui->PageControl->setTabVisible(ui->PageControl->indexOf(ui->ProgrammingTabSheet), false);
  StopOnlineTimer();
  ui->OnlineSpeedButton->setChecked(false);
  ui->ReadButton->setEnabled(false);
  ui->ProgramButton->setEnabled(false);
}

bool TMainForm::OpenDeviceLink() {
  if (BusOpen(comPortNumber_, kDefaultReadTimeoutMs, kBaudRate) != kBusOk) {
    ShowErrorMessage(kMsgOpenFailed);
    return false;
  }
  return true;
}

void TMainForm::CloseDeviceLink() { BusClose(); }

bool TMainForm::IdentifyDevice(std::uint8_t address) {
  const EngineOutcome outcome =
      tarnwick::IdentifyDevice(address, services_.clock, deviceIdentity_, deviceFamily_);
  if (!outcome.succeeded()) {
    ShowErrorMessage(outcome.message);
    return false;
  }
  return true;
}

bool TMainForm::ReadOutIdentifiedDevice() {
  switch (deviceFamily_) {
    case kFamilyPressureSwitch:
      return ReadOutFamily1();
    case kFamilySwitchDevice:
      return ReadOutFamily2();
    case kFamilyLevelDevice:
      return ReadOutFamily4();
    default:
      return false;
  }
}

bool TMainForm::ReadOutFamily1() {
  return ShowReadoutResult(tarnwick::ReadOutFamily1(sessionAddress_, deviceIdentity_, factoryMode_,
                                                    services_.clock, EngineProgress()));
}

bool TMainForm::ReadOutFamily2() {
  return ShowReadoutResult(tarnwick::ReadOutFamily2(deviceIdentity_, EngineProgress()));
}

bool TMainForm::ReadOutFamily4() {
  return ShowReadoutResult(
      tarnwick::ReadOutFamily4(sessionAddress_, deviceIdentity_, EngineProgress()));
}

bool TMainForm::ShowReadoutResult(const ReadoutResult& result) {
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
  if (result.readout) ShowReadout(*result.readout);
  return true;
}

// The user gave up looking for a pressure switch: the failure report's
// clean-up without its box.
void TMainForm::EndDeclinedRead() {
  RestoreCursor();
  CloseDeviceLink();
  ActivityProgressBarPosition(0);
  StopOnlineTimer();
  deviceFamily_ = kFamilyNone;
  deviceDataValid_ = false;
  ResetDeviceView();
}

void TMainForm::ShowErrorMessage(int number) {
  EndWithFailure();
  services_.dialogs.ShowError(Text(number));
}

void TMainForm::ShowErrorMessageAt(int number, int address) {
  EndWithFailure();
  ui->ProgramButton->setEnabled(true);
  services_.dialogs.ShowError(Text(number) + QStringLiteral(" Adr: ") + QString::number(address));
}

void TMainForm::EndWithFailure() {
  RestoreCursor();
  CloseDeviceLink();
  ActivityProgressBarPosition(0);
  StopOnlineTimer();
  deviceFamily_ = kFamilyNone;
  deviceDataValid_ = false;
  ResetDeviceView();
}

EngineObserver& TMainForm::EngineProgress() {
  if (!engineObserver_) {
    engineObserver_ = std::make_unique<WindowObserver>(*ui->ActivityProgressBar, services_.dialogs,
                                                       [this] { return Text(kMsgAskReadAgain); });
  }
  return *engineObserver_;
}

void TMainForm::ActivityProgressBarPosition(int position) {
  EngineProgress().SetProgress(position);
}

void TMainForm::ShowBusyCursor() {
  if (busyCursor_) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  busyCursor_ = true;
}

void TMainForm::RestoreCursor() {
  if (!busyCursor_) return;
  QApplication::restoreOverrideCursor();
  busyCursor_ = false;
}

}  // namespace tarnwick
