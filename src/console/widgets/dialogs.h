#pragma once

#include <QString>

namespace tarnwick {

// The console's message boxes. Every box is modal and blocks until closed; the
// console never opens a QMessageBox itself, so tests can script every answer.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Error symbol, one OK button.
  virtual void ShowError(const QString& text) = 0;
  // The same box with `reason`, why it happened, on a line below `text`.
  virtual void ShowErrorWithReason(const QString& text, const QString& reason) = 0;
  // Warning symbol, one OK button.
  virtual void ShowWarning(const QString& text) = 0;
  // Question symbol, OK and Cancel: true for OK.
  virtual bool AskOkCancel(const QString& text) = 0;
  // Confirmation, Yes and No: true for Yes.
  virtual bool ConfirmYesNo(const QString& text) = 0;
};

}  // namespace tarnwick
