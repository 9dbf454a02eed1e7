#pragma once

#include <optional>

#include "texts/message_numbers.h"

namespace tarnwick {

// What a device engine shows while it runs. The console maps it onto the
// progress bar and its question box; the command line onto stderr and options.
class EngineObserver {
 public:
  virtual ~EngineObserver() = default;

  virtual void SetProgress(int position) = 0;
  // Moves the progress on by `step`; the position never passes 100.
  virtual void AdvanceProgress(int step) = 0;
  // The programmer finds no pressure switch: true searches again (OK), false
  // gives up (Cancel).
  virtual bool AskReadAgain() = 0;
};

// How an engine ended: success, a message number (with the bus address for the
// factory programming of address ranges), or the user's Cancel to the
// read-again question, which ends without a message.
struct EngineOutcome {
  int message = kMsgNone;
  std::optional<int> address;
  bool declined = false;

  bool succeeded() const { return message == kMsgNone && !declined; }

  static EngineOutcome Success() { return {}; }
  static EngineOutcome Failure(int message) { return {message, std::nullopt, false}; }
  static EngineOutcome FailureAt(int message, int address) { return {message, address, false}; }
  static EngineOutcome Declined() { return {kMsgNone, std::nullopt, true}; }
};

}  // namespace tarnwick
