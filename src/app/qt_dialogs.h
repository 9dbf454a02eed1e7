#pragma once

#include "ui/dialogs.h"

namespace tarnwick {

// Message boxes of the platform, owned by the window that is active when they
// open; titles and button captions are Qt's.
class QtDialogs final : public Dialogs {
 public:
  void ShowError(const QString& text) override;
  void ShowErrorWithReason(const QString& text, const QString& reason) override;
  void ShowWarning(const QString& text) override;
  bool AskOkCancel(const QString& text) override;
  bool ConfirmYesNo(const QString& text) override;
};

}  // namespace tarnwick
