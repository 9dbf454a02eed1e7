#include "console/widgets/action_guard.h"

#include "console/widgets/dialogs.h"
#include "console/widgets/language_texts.h"
#include "view/number_error_text.h"

namespace tarnwick {

void ActionGuard::Run(const std::function<void()>& action) const {
  try {
    action();
  } catch (const NumberTextError& error) {
    dialogs_.ShowError(QString::fromStdString(NumberErrorText(error, texts_.LanguageIndex())));
  }
}

}  // namespace tarnwick
