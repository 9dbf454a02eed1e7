#include "cli/cli_observer.h"

#include <algorithm>
#include <iostream>

#include "texts/message_table.h"

namespace tarnwick::cli {
namespace {

constexpr int kFullProgress = 100;

}  // namespace

void CliObserver::SetProgress(int position) { progress_ = position; }

void CliObserver::AdvanceProgress(int step) {
  progress_ = std::min(progress_ + step, kFullProgress);
}

bool CliObserver::AskReadAgain() {
  ++readAgainAsked_;
  const bool again = readAgainLeft_ > 0;
  std::cerr << "tarnwick-cli: " << MessageText(kLanguageEnglish, kMsgAskReadAgain) << ' '
            << (again ? "OK" : "Cancel") << " (question " << readAgainAsked_ << ")" << std::endl;
  if (again) --readAgainLeft_;
  return again;
}

}  // namespace tarnwick::cli
