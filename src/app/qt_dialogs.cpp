#include "app/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace tarnwick {
namespace {

QMessageBox::StandardButton Box(QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton,
                                const QString& reason = {}) {
  QMessageBox box(icon, QApplication::applicationDisplayName(), text, buttons,
                  QApplication::activeWindow());
  box.setDefaultButton(defaultButton);
  box.setInformativeText(reason);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtDialogs::ShowError(const QString& text) {
  Box(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDialogs::ShowErrorWithReason(const QString& text, const QString& reason) {
  Box(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok, reason);
}

void QtDialogs::ShowWarning(const QString& text) {
  Box(QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtDialogs::AskOkCancel(const QString& text) {
  return Box(QMessageBox::Question, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) ==
         QMessageBox::Ok;
}

bool QtDialogs::ConfirmYesNo(const QString& text) {
  return Box(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
         QMessageBox::Yes;
}

}  // namespace tarnwick
