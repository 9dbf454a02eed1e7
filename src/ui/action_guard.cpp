#include "ui/action_guard.h"

#include "ui/dialogs.h"
#include "view/number_text.h"

namespace tarnwick {

void ActionGuard::Run(const std::function<void()>& action) const {
  try {
    action();
  } catch (const EConvertError& error) {
    dialogs_.ShowError(QString::fromStdString(error.what()));
  }
}

}  // namespace tarnwick
