#pragma once

#include <QPointer>
#include <QWidget>

#include "console/widgets/dialogs.h"

namespace tarnwick {

// Message boxes of the platform, owned by the main window and centred on it
// whichever window is active; titles and button captions are Qt's, in the
// language of the Qt translation installed.
class QtDialogs final : public Dialogs {
 public:
  // The main window, once it exists; until then a box is centred on the screen.
  void SetMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }

  void ShowError(const QString& text) override;
  void ShowErrorWithReason(const QString& text, const QString& reason) override;
  void ShowWarning(const QString& text) override;
  bool AskOkCancel(const QString& text) override;
  bool ConfirmYesNo(const QString& text) override;

 private:
  QPointer<QWidget> mainWindow_;
};

}  // namespace tarnwick
