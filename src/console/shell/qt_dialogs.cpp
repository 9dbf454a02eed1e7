#include "console/shell/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace tarnwick {
namespace {

// `owner` rather than the active window, which may be the About box, or none
// at all while the console is in the background.
QMessageBox::StandardButton Box(QWidget* owner, QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton,
                                const QString& reason = {}) {
  QMessageBox box(icon, QApplication::applicationDisplayName(), text, buttons, owner);
  box.setDefaultButton(defaultButton);
  box.setInformativeText(reason);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtDialogs::ShowError(const QString& text) {
  Box(mainWindow_, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDialogs::ShowErrorWithReason(const QString& text, const QString& reason) {
  Box(mainWindow_, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok, reason);
}

void QtDialogs::ShowWarning(const QString& text) {
  Box(mainWindow_, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtDialogs::AskOkCancel(const QString& text) {
  return Box(mainWindow_, QMessageBox::Question, text, QMessageBox::Ok | QMessageBox::Cancel,
             QMessageBox::Ok) == QMessageBox::Ok;
}

bool QtDialogs::ConfirmYesNo(const QString& text) {
  return Box(mainWindow_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
             QMessageBox::Yes) == QMessageBox::Yes;
}

}  // namespace tarnwick
