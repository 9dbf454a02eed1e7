#pragma once

#include <QDialog>
#include <memory>

#include "console/widgets/language_texts.h"

namespace Ui {
class TPortDlg;
}

namespace tarnwick {

// "Set COM-Port": a COM number from 1 to 16 by hand, also one the Port menu
// does not list. Created once at start-up and shown modally whenever asked.
class TPortDlg : public QDialog {
  Q_OBJECT

 public:
  // The dialog's result when nothing was chosen.
  static constexpr int kNothingChosen = -1;

  explicit TPortDlg(QWidget* mainWindow);
  ~TPortDlg() override;

  // Shows the dialog centred on the main window, `comPortNumber` preselected
  // where it is 1 to 16 and "1" otherwise, until it closes: the number chosen
  // by OK, or kNothingChosen after Cancel, Escape or the close box.
  int Execute(int comPortNumber, const LanguageTexts& texts);

 private:
  void FormCreate(int comPortNumber, const LanguageTexts& texts);
  void OKButtonClick();
  void CancelButtonClick();

  std::unique_ptr<Ui::TPortDlg> ui;
};

}  // namespace tarnwick
