#include "console/shell/tmain_form.h"
#include "ui_TMainForm.h"

namespace tarnwick {

// The state record starts as a new run needs it; what is left is the window.
void TMainForm::FormCreate() {
  ui->Morvik_unit_label->hide();
  if (factoryMode_) program_.InitFactoryInputs();
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
  ResetDeviceView();
  ShowModeControls();

  ui->ActivityProgressBar->setValue(0);
  program_.SelectFirstListEntries();
  ports_.CreatePortWatcher();
}

void TMainForm::ShowModeControls() {
  if (factoryMode_) {
    ui->PageControl->setTabVisible(ui->PageControl->indexOf(ui->ProgrammingTabSheet), true);
  }
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
