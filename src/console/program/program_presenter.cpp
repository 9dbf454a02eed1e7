#include "console/program/program_presenter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "console/widgets/dialogs.h"
#include "console/widgets/locale_number.h"
#include "console/widgets/widget_lookup.h"
#include "device/config_codec.h"
#include "device/identification.h"
#include "programming/production_journal.h"
#include "programming/program_address_range.h"
#include "programming/program_and_read_back.h"
#include "programming/program_verification.h"
#include "programming/verification_warning.h"
#include "texts/console_texts.h"
#include "texts/message_numbers.h"
#include "view/number_text.h"

namespace tarnwick {
namespace {

constexpr int kProgressRunStart = 5;

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

double Number(const QLineEdit* edit, std::string field) {
  return ParseInField(std::move(field),
                      [edit] { return ParseNumber(Text(edit), DecimalSeparator()); });
}

SwitchSelection SelectionOf(const SwitchTabWidgets& tab) {
  SwitchSelection selection;
  if (tab.off->isChecked()) {
    selection.function = SwitchFunction::kOff;
  } else if (tab.hysteresis->isChecked()) {
    selection.function = SwitchFunction::kHysteresis;
  } else if (tab.window->isChecked()) {
    selection.function = SwitchFunction::kWindow;
  }
  if (tab.normallyOpen->isChecked()) {
    selection.contact = SwitchContact::kNormallyOpen;
  } else if (tab.normallyClosed->isChecked()) {
    selection.contact = SwitchContact::kNormallyClosed;
  }
  return selection;
}

}  // namespace

ProgramPresenter::ProgramPresenter(const QWidget& form, const SwitchTabs& tabs, ConsoleState& state,
                                   Services services, const LanguageTexts& texts, bool factoryMode,
                                   SessionPresenter& session)
    : tabs_(tabs),
      state_(state),
      services_(std::move(services)),
      texts_(texts),
      factoryMode_(factoryMode),
      session_(session),
      pages_(FindWidget<QTabWidget>(form, "PageControl")),
      firstAddress_(FindWidget<QLineEdit>(form, "ProgramFromEdit")),
      lastAddress_(FindWidget<QLineEdit>(form, "ProgramToEdit")),
      analogOutput_(FindWidget<QComboBox>(form, "AnalogOutComboBox")),
      pressureRangeMin_(FindWidget<QLineEdit>(form, "PressureRangeMinEdit")),
      pressureRangeMax_(FindWidget<QLineEdit>(form, "PressureRangeMaxEdit")),
      temperatureMin_(FindWidget<QLineEdit>(form, "TemperatureRangeMinEdit")),
      temperatureMax_(FindWidget<QLineEdit>(form, "TemperatureRangeMaxEdit")),
      windowHysteresis_(FindWidget<QLineEdit>(form, "WHEdit")),
      writeSerialNumbers_(FindWidget<QCheckBox>(form, "SNCheckBox")),
      serialNumber_(FindWidget<QLineEdit>(form, "SNEdit")) {
  for (int n = 1; n <= 2; ++n) {
    const QString sw = QStringLiteral("SW%1").arg(n);
    const QString delay = QString::number(n);
    factorySwitches_[static_cast<std::size_t>(n - 1)] = {
        FindWidget<QLineEdit>(form, sw + "HProgramEdit"),
        FindWidget<QLineEdit>(form, sw + "LProgramEdit"),
        FindWidget<QComboBox>(form, sw + "SFComboBox"),
        FindWidget<QComboBox>(form, sw + "STComboBox"),
        FindWidget<QLineEdit>(form, "CloseDelay" + delay + "Edit"),
        FindWidget<QLineEdit>(form, "OpenDelay" + delay + "Edit"),
    };
  }
}

void ProgramPresenter::InitFactoryInputs() {
  QList<QLineEdit*> zeros{pressureRangeMin_, pressureRangeMax_, temperatureMin_, temperatureMax_,
                          serialNumber_};
  QList<QLineEdit*> ones{windowHysteresis_};
  for (const FactorySwitchWidgets& sw : factorySwitches_) {
    zeros += {sw.high, sw.low};
    ones += {sw.closingDelay, sw.openingDelay};
  }
  for (QLineEdit* edit : zeros) edit->setText(QStringLiteral("0"));
  for (QLineEdit* edit : ones) edit->setText(QStringLiteral("1"));
  writeSerialNumbers_->setChecked(true);
  SelectFirstListEntries();
}

void ProgramPresenter::SelectFirstListEntries() {
  analogOutput_->setCurrentIndex(0);
  for (const FactorySwitchWidgets& sw : factorySwitches_) {
    sw.function->setCurrentIndex(0);
    sw.outputType->setCurrentIndex(0);
  }
}

void ProgramPresenter::SNCheckBoxClick() {
  serialNumber_->setEnabled(writeSerialNumbers_->isChecked());
}

void ProgramPresenter::ProgramButtonClick() {
  if (factoryMode_) {
    // Refused before the port is opened: nothing goes out for a value the
    // programmers would receive cut to its lowest byte.
    const FactoryInputCheck checked =
        CheckFactoryInputs(FactoryPage(), DecimalSeparator(), texts_.LanguageIndex());
    if (const auto* refusal = std::get_if<FactoryRefusal>(&checked)) {
      services_.dialogs.ShowError(QString::fromStdString(refusal->message));
      return;
    }
    StartRun();
    if (session_.OpenDeviceLink()) ProgramRange(std::get<FactoryProgramInputs>(checked));
    return;
  }
  if (!CheckSwitchPointOrder()) return;
  // Every text is read before the link is opened, so that a text that is not
  // a number ends the action with nothing sent.
  const NormalProgramInputs inputs = NormalInputs();
  StartRun();
  if (session_.OpenDeviceLink()) ProgramDevice(inputs);
}

void ProgramPresenter::StartRun() {
  session_.BeginRun();
  session_.SetProgress(kProgressRunStart);
}

void ProgramPresenter::ProgramDevice(const NormalProgramInputs& inputs) {
  const ProgrammingTarget target{state_.deviceFamily, state_.sessionAddress, state_.deviceIdentity,
                                 state_.serialNumber};
  const ReadoutResult result =
      ProgramAndReadBack(services_.link, target, inputs, session_.Progress());
  if (!session_.ShowReadoutResult(result)) return;
  session_.EndRun();
  if (result.readout) WarnAboutReadBack(inputs, *result.readout);
}

void ProgramPresenter::ProgramRange(const FactoryProgramInputs& inputs) {
  ProductionJournal journal(JournalPlace::DailyFilesIn(services_.journalDirectory),
                            "COM" + std::to_string(state_.comPortNumber), inputs);
  const EngineOutcome outcome = ProgramAddressRange(
      services_.link, inputs, session_.Progress(),
      [&journal](RangePass pass, std::uint8_t address) { journal.Served(pass, address); });
  journal.Finished(outcome);
  if (outcome.succeeded()) {
    session_.EndRun();
  } else {
    session_.ShowErrorMessageAt(outcome.message, outcome.address.value_or(inputs.firstAddress));
  }
  if (journal.failure()) {
    services_.dialogs.ShowWarning(QString::fromStdString(ConsoleTextWith(
        texts_.LanguageIndex(), ConsoleText::kJournalNotWritten, {*journal.failure()})));
  }
}

void ProgramPresenter::WarnAboutReadBack(const NormalProgramInputs& written,
                                         const DeviceReadout& readBack) {
  const std::vector<ProgrammingDifference> differences = CompareWithReadBack(written, readBack);
  if (differences.empty()) return;
  const ShownValueFormat format{state_.deviceFamily, state_.pressureUnit, state_.pressureDecimals,
                                DecimalSeparator()};
  services_.dialogs.ShowWarning(
      QString::fromStdString(VerificationWarning(differences, format, texts_.LanguageIndex())));
}

// The Off function does not exempt a switch; a hidden tab does.
bool ProgramPresenter::CheckSwitchPointOrder() {
  for (int number = 1; number <= 2; ++number) {
    const SwitchTabWidgets& tab = tabs_[static_cast<std::size_t>(number - 1)];
    if (!pages_->isTabVisible(pages_->indexOf(tab.tab))) continue;
    if (Number(tab.high, Field(number, ConsoleText::kHighSwitchPoint)) >
        Number(tab.low, Field(number, ConsoleText::kLowSwitchPoint))) {
      continue;
    }
    pages_->setCurrentWidget(tab.tab);
    tab.high->setFocus();
    services_.dialogs.ShowError(texts_.Text(kMsgHighNotAboveLow));
    return false;
  }
  return true;
}

NormalProgramInputs ProgramPresenter::NormalInputs() const {
  return {SwitchValues(1), SwitchValues(2)};
}

std::string ProgramPresenter::Field(int switchNumber, ConsoleText field) const {
  return SwitchFieldCaption(texts_.LanguageIndex(), switchNumber, field);
}

SwitchProgramValues ProgramPresenter::SwitchValues(int switchNumber) const {
  const SwitchTabWidgets& tab = tabs_[static_cast<std::size_t>(switchNumber - 1)];
  const auto number = [&](const QLineEdit* edit, ConsoleText field) {
    return Number(edit, Field(switchNumber, field));
  };
  SwitchProgramValues values;
  values.selection = SelectionOf(tab);
  values.highBar = PressureToBar(
      static_cast<float>(number(tab.high, ConsoleText::kHighSwitchPoint)), state_.pressureUnit);
  values.lowBar = PressureToBar(static_cast<float>(number(tab.low, ConsoleText::kLowSwitchPoint)),
                                state_.pressureUnit);
  // The switch device has no delays; its delay edits are not its own.
  if (state_.deviceFamily != DeviceFamily::kSwitchDevice) {
    values.closingDelaySteps = DelaySecondsToSteps(
        state_.deviceFamily, number(tab.closingDelay, ConsoleText::kClosingDelay));
    values.openingDelaySteps = DelaySecondsToSteps(
        state_.deviceFamily, number(tab.openingDelay, ConsoleText::kOpeningDelay));
  }
  return values;
}

FactoryPageTexts ProgramPresenter::FactoryPage() const {
  const auto switchTexts = [](const FactorySwitchWidgets& sw) {
    return FactorySwitchTexts{Text(sw.high),
                              Text(sw.low),
                              sw.function->currentIndex(),
                              sw.outputType->currentIndex(),
                              Text(sw.closingDelay),
                              Text(sw.openingDelay)};
  };
  FactoryPageTexts page;
  page.firstAddress = Text(firstAddress_);
  page.lastAddress = Text(lastAddress_);
  page.analogOutIndex = analogOutput_->currentIndex();
  page.pressureRangeMin = Text(pressureRangeMin_);
  page.pressureRangeMax = Text(pressureRangeMax_);
  page.temperatureMin = Text(temperatureMin_);
  page.temperatureMax = Text(temperatureMax_);
  page.windowHysteresis = Text(windowHysteresis_);
  page.writeSerialNumbers = writeSerialNumbers_->isChecked();
  page.serialNumber = Text(serialNumber_);
  page.switch1 = switchTexts(factorySwitches_[0]);
  page.switch2 = switchTexts(factorySwitches_[1]);
  return page;
}

}  // namespace tarnwick
