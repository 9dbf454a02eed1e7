#include <QComboBox>
#include <QLineEdit>

#include "app/tmain_form.h"
#include "ui_TMainForm.h"

namespace tarnwick {
namespace {

void SelectFirstEntries(std::initializer_list<QComboBox*> lists) {
  for (QComboBox* list : lists) list->setCurrentIndex(0);
}

}  // namespace

void TMainForm::FormCreate() {
  state_.levelUnitIndex = kLevelUnitNotRead;
  ui->Morvik_unit_label->hide();
  ResetDeviceView();
  state_.deviceDataValid = false;

  if (factoryMode_) InitFactoryInputs();
  // A hidden file command must not act on its shortcut either.
  for (QAction* fileCommand : {ui->OpenMenuItem, ui->SaveAsMenuItem, ui->N1MenuItem}) {
    fileCommand->setVisible(factoryMode_);
    fileCommand->setEnabled(factoryMode_);
  }
  ui->ReadAddressLabel->setVisible(factoryMode_);
  ui->ReadAddressEdit->setVisible(factoryMode_);

  LoadSettings();
  ApplyLanguage();
  BuildPortMenu();
  ApplyPressureUnit();
  state_.switchPresent = {false, false};
  state_.analogOutputPresent = false;
  ResetDeviceView();
  ui->ReadButton->setEnabled(true);
  ShowModeControls();

  ui->ActivityProgressBar->setValue(0);
  SelectFirstEntries({ui->AnalogOutComboBox, ui->SW1SFComboBox, ui->SW1STComboBox,
                      ui->SW2SFComboBox, ui->SW2STComboBox});
  ports_.CreatePortWatcher();
}

void TMainForm::InitFactoryInputs() {
  for (QLineEdit* edit :
       {ui->PressureRangeMinEdit, ui->PressureRangeMaxEdit, ui->TemperatureRangeMinEdit,
        ui->TemperatureRangeMaxEdit, ui->SW1HProgramEdit, ui->SW1LProgramEdit, ui->SW2HProgramEdit,
        ui->SW2LProgramEdit, ui->SNEdit}) {
    edit->setText(QStringLiteral("0"));
  }
  for (QLineEdit* edit : {ui->CloseDelay1Edit, ui->OpenDelay1Edit, ui->CloseDelay2Edit,
                          ui->OpenDelay2Edit, ui->WHEdit}) {
    edit->setText(QStringLiteral("1"));
  }
  ui->SNCheckBox->setChecked(true);
  SelectFirstEntries({ui->AnalogOutComboBox, ui->SW1STComboBox, ui->SW2STComboBox,
                      ui->SW1SFComboBox, ui->SW2SFComboBox});
}

void TMainForm::ShowModeControls() {
  if (factoryMode_) {
    ui->PageControl->setTabVisible(ui->PageControl->indexOf(ui->ProgrammingTabSheet), true);
  }
  ui->ProgramButton->setEnabled(factoryMode_);
  const std::initializer_list<QWidget*> factoryOnly{
      ui->Read1Panel,    ui->Read2Panel,    ui->Read3Panel,    ui->Read4Panel, ui->Program1Panel,
      ui->Program2Panel, ui->Program3Panel, ui->Program4Panel, ui->PrintButton};
  for (QWidget* widget : factoryOnly) {
    widget->setVisible(factoryMode_);
  }
}

void TMainForm::FormClose() {
  SaveSettings();
  ports_.DestroyPortWatcher();
}

}  // namespace tarnwick
