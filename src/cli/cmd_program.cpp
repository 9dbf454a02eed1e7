#include "cli/cli_args.h"
#include "cli/cli_commands.h"
#include "cli/cli_link.h"
#include "cli/cli_observer.h"
#include "cli/cli_options.h"
#include "cli/failure_report.h"
#include "cli/json_fields.h"
#include "cli/json_output.h"
#include "cli/program_file.h"
#include "cli/readout_json.h"
#include "cli/shown_values.h"
#include "programming/program_verification.h"
#include "programming/verification_warning.h"
#include "texts/console_texts.h"
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

// The console's warning on one line: each field that differs, with the value
// written and the value read, as the switch tabs show them.
std::string DifferencesText(const std::vector<ProgrammingDifference>& differences,
                            const DeviceReadout& readBack, PressureUnit unit) {
  const ShownValueFormat format{readBack.family, unit,
                                ShownDecimals(readBack.family, readBack.pressureRangeBar.max, unit),
                                '.'};
  std::string text(ConsoleTextOf(kLanguageEnglish, ConsoleText::kReadBackDiffers));
  const char* glue = " ";
  for (const ProgrammingDifference& difference : differences) {
    text += glue + DifferenceText(difference, format, kLanguageEnglish);
    glue = "; ";
  }
  return text;
}

}  // namespace

int RunProgram(const std::vector<std::string>& words, const CliContext& context) {
  const CliArgs args(words, {"port", "config", "retry-no-switch"}, {});
  const std::string configPath = args.Required("config");
  CliObserver observer(RetryNoSwitchOption(args));
  CliLink link(args.Required("port"), context);

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
  const DeviceReadout& readBack = *result.readout;
  PrintJson(ReadoutJson(readBack, request.target.sessionAddress, request.unit));
  const std::vector<ProgrammingDifference> differences =
      CompareWithReadBack(request.inputs, readBack);
  if (!differences.empty())
    return ReportFailure(DifferencesText(differences, readBack, request.unit));
  return 0;
}

}  // namespace tarnwick::cli
