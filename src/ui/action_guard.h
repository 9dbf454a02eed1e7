#pragma once

#include <functional>

namespace tarnwick {

class Dialogs;

// The console's central handler for text that is not a number: a handler's
// work runs through it, and an EConvertError ends the action there with the
// conversion error in an error box, as a classic desktop program does.
class ActionGuard {
 public:
  explicit ActionGuard(Dialogs& dialogs) : dialogs_(dialogs) {}

  void Run(const std::function<void()>& action) const;

 private:
  Dialogs& dialogs_;
};

}  // namespace tarnwick
