#pragma once

#include <string>

#include "device/engine_observer.h"

namespace tarnwick::cli {

// Exit status of a command that failed on the device, the port or a file.
inline constexpr int kExitFailure = 1;

// The English text of the outcome's message, followed by " Adr: " and the
// address where the outcome has one, as the console's error box reads. A
// declined read-again question reads as that question answered Cancel.
std::string OutcomeText(const EngineOutcome& outcome);

// "tarnwick-cli: <text>" on stderr; returns kExitFailure.
int ReportFailure(const EngineOutcome& outcome);
int ReportFailure(const std::string& text);
// Message 50 followed by `reason`, why the port could not be opened.
std::string OpenFailureText(const std::string& reason);

}  // namespace tarnwick::cli
