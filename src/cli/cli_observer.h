#pragma once

#include "device/engine_observer.h"

namespace tarnwick::cli {

// What the engines ask of the command line. The read-again question of the
// pressure switch family is answered OK `readAgainAllowed` times (the option
// --retry-no-switch), Cancel after that; each answer is told on stderr.
class CliObserver : public EngineObserver {
 public:
  explicit CliObserver(int readAgainAllowed) : readAgainLeft_(readAgainAllowed) {}

  void SetProgress(int position) override;
  void AdvanceProgress(int step) override;
  bool AskReadAgain() override;

  int progress() const { return progress_; }

 private:
  int readAgainLeft_;
  int readAgainAsked_ = 0;
  int progress_ = 0;
};

}  // namespace tarnwick::cli
