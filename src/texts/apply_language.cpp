#include <QAbstractButton>
#include <QLabel>
#include <QMenu>

#include "app/tmain_form.h"
#include "texts/message_table.h"
#include "ui_TMainForm.h"
#include "view/panel_captions.h"

namespace tarnwick {
namespace {

void SetTabText(QTabWidget* pages, QWidget* page, const QString& text) {
  pages->setTabText(pages->indexOf(page), text);
}

}  // namespace

void TMainForm::ApplyLanguage() {
  ui->FileMenuItem->setTitle(Text(1));
  ui->OpenMenuItem->setText(Text(2));
  ui->SaveAsMenuItem->setText(Text(3));
  ui->ExitMenuItem->setText(Text(4));
  ui->SettingsMenuItem->setTitle(Text(5));
  ui->PortMenuItem->setTitle(Text(6));
  ui->LanguageMenuItem->setTitle(Text(7));
  ui->InfoMenuItem->setText(Text(8));
  ui->UnitsMenuItem->setTitle(Text(9));
  // The Port menu is rebuilt as ports come and go; its first item is always
  // the one that opens the port dialog.
  if (!ui->PortMenuItem->actions().isEmpty())
    ui->PortMenuItem->actions().first()->setText(Text(13));

  setWindowTitle(Text(33));

  ui->ReadButton->setText(Text(10));
  ui->ProgramButton->setText(Text(11));
  ui->OnlineSpeedButton->setText(Text(12));

  SetTabText(ui->PageControl, ui->SW1TabSheet, Text(20));
  ui->Switch1Label->setText(Text(20));
  SetTabText(ui->PageControl, ui->SW2TabSheet, Text(21));
  ui->Switch2Label->setText(Text(21));

  ui->SerialNumberHeadLabel->setText(Text(22));
  ui->DeviceTypeHeadLabel->setText(Text(23));
  ui->SoftwareVersionHeadLabel->setText(Text(24));
  ui->TemperatureRangeHeadLabel->setText(Text(25));
  ui->PressureRangeHeadLabel->setText(Text(26));
  ui->AnalogOutputRangeHeadLabel->setText(Text(27));
  ui->BusAddressHeadLabel->setText(Text(28));
  ui->NoAnalogLabel->setText(Text(34));

  const DelayCaptionNumbers delay = DelayCaptionsFor(deviceFamily_);
  for (QLabel* label : {ui->SW1DelayLabel, ui->SW2DelayLabel}) label->setText(Text(35));
  for (QLabel* label : {ui->SW1DelayStepLabel, ui->SW2DelayStepLabel})
    label->setText(Text(delay.step));
  for (QLabel* label : {ui->SW1DelayRangeLabel, ui->SW2DelayRangeLabel}) {
    label->setText(Text(delay.range));
  }

  for (QAbstractButton* button : {ui->SW1OffRadioButton, ui->SW2OffRadioButton})
    button->setText(Text(30));
  for (QAbstractButton* button : {ui->SW1HysteresisRadioButton, ui->SW2HysteresisRadioButton}) {
    button->setText(Text(31));
  }
  for (QAbstractButton* button : {ui->SW1WindowRadioButton, ui->SW2WindowRadioButton}) {
    button->setText(Text(32));
  }

  if (const auto levelUnit = LevelUnitCaption(languageIndex_, levelUnitIndex_)) {
    ui->Morvik_unit_label->setText(QString::fromStdString(*levelUnit));
  }
}

void TMainForm::MarkLanguage() {
  ui->GermanMenuItem->setChecked(languageIndex_ == kLanguageGerman);
  ui->FrenchMenuItem->setChecked(languageIndex_ == kLanguageFrench);
  ui->EnglishMenuItem->setChecked(languageIndex_ != kLanguageGerman &&
                                  languageIndex_ != kLanguageFrench);
}

void TMainForm::SelectLanguage(int languageIndex) {
  languageIndex_ = languageIndex;
  MarkLanguage();
  ApplyLanguage();
}

void TMainForm::GermanMenuItemClick() { SelectLanguage(kLanguageGerman); }
void TMainForm::EnglishMenuItemClick() { SelectLanguage(kLanguageEnglish); }
void TMainForm::FrenchMenuItemClick() { SelectLanguage(kLanguageFrench); }

}  // namespace tarnwick
