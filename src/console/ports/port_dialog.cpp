#include "console/ports/port_dialog.h"

#include "console/widgets/fonts.h"
#include "texts/message_numbers.h"
#include "ui_TPortDlg.h"

namespace tarnwick {

TPortDlg::TPortDlg(QWidget* mainWindow)
    : QDialog(mainWindow), ui(std::make_unique<Ui::TPortDlg>()) {
  ui->setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(size());
  PinFontsToPixels(this);
  connect(ui->OKButton, &QPushButton::clicked, this, &TPortDlg::OKButtonClick);
  connect(ui->CancelButton, &QPushButton::clicked, this, &TPortDlg::CancelButtonClick);
}

TPortDlg::~TPortDlg() = default;

int TPortDlg::Execute(int comPortNumber, const LanguageTexts& texts) {
  FormCreate(comPortNumber, texts);
  QRect box = frameGeometry();
  box.moveCenter(parentWidget()->frameGeometry().center());
  move(box.topLeft());
  const int result = exec();
  return result > 0 ? result : kNothingChosen;
}

void TPortDlg::FormCreate(int comPortNumber, const LanguageTexts& texts) {
  setWindowTitle(texts.Text(kMsgSetComPortTitle));
  ui->CancelButton->setText(texts.Text(kMsgCancel));
  const bool listed = comPortNumber >= 1 && comPortNumber <= ui->ComPortComboBox->count();
  ui->ComPortComboBox->setCurrentIndex(listed ? comPortNumber - 1 : 0);
}

// Escape and the close box reject the dialog as Cancel does, with result 0.
void TPortDlg::OKButtonClick() { done(ui->ComPortComboBox->currentIndex() + 1); }

void TPortDlg::CancelButtonClick() { reject(); }

}  // namespace tarnwick
