#pragma once

#include <QString>
#include <functional>

#include "device/engine_observer.h"

class QProgressBar;

namespace tarnwick {

class Dialogs;

// The device engines' progress on ActivityProgressBar and their read-again
// question in a box with OK and Cancel. `questionText` gives the question in
// the language current when it is asked.
class WindowObserver final : public EngineObserver {
 public:
  WindowObserver(QProgressBar& bar, Dialogs& dialogs, std::function<QString()> questionText);

  void SetProgress(int position) override;
  void AdvanceProgress(int step) override;
  bool AskReadAgain() override;

 private:
  QProgressBar& bar_;
  Dialogs& dialogs_;
  std::function<QString()> questionText_;
};

}  // namespace tarnwick
