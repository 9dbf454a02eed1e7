#include "cli/failure_report.h"

#include <iostream>

#include "texts/message_table.h"

namespace tarnwick::cli {

std::string OutcomeText(const EngineOutcome& outcome) {
  if (outcome.declined) {
    return MessageText(kLanguageEnglish, kMsgAskReadAgain) +
           " Cancel (--retry-no-switch N searches again N times)";
  }
  std::string text = MessageText(kLanguageEnglish, outcome.message);
  if (outcome.address) text += " Adr: " + std::to_string(*outcome.address);
  return text;
}

int ReportFailure(const EngineOutcome& outcome) { return ReportFailure(OutcomeText(outcome)); }

int ReportFailure(const std::string& text) {
  std::cerr << "tarnwick-cli: " << text << std::endl;
  return kExitFailure;
}

std::string OpenFailureText(const std::string& reason) {
  return MessageText(kLanguageEnglish, kMsgOpenFailed) + " (" + reason + ")";
}

}  // namespace tarnwick::cli
