#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "device/engine_observer.h"

namespace tarnwick {

// Records what an engine shows, as "=50" for a position set and "+5" for an
// advance, and answers the read-again question through `answer` (Cancel when
// it is not set). `position` follows the progress bar, which stops at 100.
class RecordingObserver final : public EngineObserver {
 public:
  explicit RecordingObserver(int startPosition = 10) : position(startPosition) {}

  void SetProgress(int value) override {
    events.push_back("=" + std::to_string(value));
    position = value;
  }
  void AdvanceProgress(int step) override {
    events.push_back("+" + std::to_string(step));
    position = std::min(100, position + step);
  }
  bool AskReadAgain() override {
    events.push_back("?");
    ++questions;
    return answer && answer(questions);
  }

  std::vector<std::string> events;
  int position;
  int questions = 0;
  // Called with the number of the question (1 for the first).
  std::function<bool(int)> answer;
};

}  // namespace tarnwick
