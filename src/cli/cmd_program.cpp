#include "cli/cli_args.h"
#include "cli/cli_link.h"
#include "cli/cli_observer.h"
#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli/failure_report.h"
#include "cli/json_fields.h"
#include "cli/json_output.h"
#include "cli/program_file.h"
#include "cli/readout_json.h"
#include "texts/message_table.h"
#include "view/number_text.h"

namespace tarnwick::cli {
namespace {

std::string OrderText(const ProgramRequest& request, int switchNumber) {
  const SwitchProgramValues& sw =
      switchNumber == 1 ? request.inputs.switch1 : request.inputs.switch2;
  return MessageText(kLanguageEnglish, kMsgHighNotAboveLow) + " (switch" +
         std::to_string(switchNumber) + ": high " + FormatGeneral(sw.highBar, '.') + " bar, low " +
         FormatGeneral(sw.lowBar, '.') + " bar)";
}

}  // namespace

int RunProgram(const std::vector<std::string>& words) {
  const CliArgs args(words, {"port", "config", "retry-no-switch"}, {});
  const std::string configPath = args.Required("config");
  CliObserver observer(RetryNoSwitchOption(args));
  CliLink link(args.Required("port"));

  ProgramRequest request;
  try {
    request = ParseProgramRequest(LoadJsonFile(configPath));
  } catch (const FileError& error) {
    return ReportFailure(configPath + ": " + error.what());
  }
  // As in the console, a wrong order is refused before the link is opened.
  if (const auto sw = SwitchPointsOutOfOrder(request)) {
    return ReportFailure(OrderText(request, *sw));
  }

  std::string openError;
  if (!link.Open(openError)) return link.Fail(OpenFailureText(openError));
  const ReadoutResult result =
      ProgramAndReadBack(link.bus(), request.target, request.inputs, observer);
  if (!result.succeeded()) {
    return link.Fail(result.outcome, link.SentWrites()
                                         ? "the device may hold some of the new values: read it "
                                           "out to see what it holds"
                                         : "nothing was written");
  }
  link.Close();
  PrintJson(ReadoutJson(*result.readout, request.target.sessionAddress, request.unit));
  return 0;
}

}  // namespace tarnwick::cli
