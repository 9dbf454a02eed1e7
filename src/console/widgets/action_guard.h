#pragma once

#include <functional>

namespace tarnwick {

class Dialogs;
class LanguageTexts;

// The console's central handler for text that is not a number: a handler's
// work runs through it, and an NumberTextError ends the action there with the
// conversion error in an error box, in the language of the moment, as a
// classic desktop program does.
class ActionGuard {
 public:
  // Both outlive the guard.
  ActionGuard(Dialogs& dialogs, const LanguageTexts& texts) : dialogs_(dialogs), texts_(texts) {}

  void Run(const std::function<void()>& action) const;

 private:
  Dialogs& dialogs_;
  const LanguageTexts& texts_;
};

}  // namespace tarnwick
