#include <cstdint>
#include <iostream>
#include <limits>

#include "cli/cli_args.h"
#include "cli/cli_commands.h"
#include "cli/cli_link.h"
#include "cli/cli_observer.h"
#include "cli/factory_progress.h"
#include "cli/factory_values_file.h"
#include "cli/failure_report.h"
#include "cli/json_fields.h"
#include "cli/json_output.h"
#include "programming/production_journal.h"
#include "programming/program_address_range.h"
#include "texts/console_texts.h"
#include "texts/message_table.h"

namespace tarnwick::cli {
namespace {

// The serial numbers the engine gave the stations, counting on from the first
// as it does, wrapping past the largest.
nlohmann::ordered_json SerialNumbers(std::int32_t first, std::size_t count) {
  nlohmann::ordered_json numbers = nlohmann::ordered_json::array();
  auto serial = static_cast<std::uint32_t>(first);
  for (std::size_t n = 0; n < count; ++n) numbers.push_back(static_cast<std::int32_t>(serial++));
  return numbers;
}

// --journal FILE, else the file of the day in the console's data directory.
JournalPlace JournalOption(const CliArgs& args, const UserPlaces& places) {
  if (const auto file = args.Optional("journal")) return JournalPlace::OneFile(*file);
  return JournalPlace::DailyFilesIn(places.journalDirectory);
}

// A journal that failed is told, but the exit status stays the programming's.
void WarnAboutJournal(const ProductionJournal& journal) {
  if (!journal.failure()) return;
  std::cerr << "tarnwick-cli: warning: "
            << ConsoleTextWith(kLanguageEnglish, ConsoleText::kJournalNotWritten,
                               {*journal.failure()})
            << std::endl;
}

}  // namespace

int RunFactoryProgram(const std::vector<std::string>& words, const CliContext& context) {
  const CliArgs args(words, {"port", "from", "to", "values", "serial", "journal"}, {});
  const auto first = static_cast<std::uint8_t>(args.RequiredInteger("from", 0, 255));
  const auto last = static_cast<std::uint8_t>(args.RequiredInteger("to", 0, 255));
  const std::string valuesPath = args.Required("values");
  const bool writeSerialNumbers = args.Has("serial");
  const auto firstSerial =
      static_cast<std::int32_t>(args.Integer("serial", 0, std::numeric_limits<std::int32_t>::min(),
                                             std::numeric_limits<std::int32_t>::max()));
  CliLink link(args.Required("port"), context);

  FactoryProgramInputs inputs;
  try {
    inputs = ParseFactoryValues(LoadJsonFile(valuesPath));
  } catch (const FileError& error) {
    return ReportFailure(valuesPath + ": " + error.what());
  }
  inputs.firstAddress = first;
  inputs.lastAddress = last;
  inputs.writeSerialNumbers = writeSerialNumbers;
  inputs.firstSerialNumber = firstSerial;

  std::string openError;
  if (!link.Open(openError)) return link.Fail(OpenFailureText(openError));
  CliObserver observer(0);
  FactoryProgress progress;
  ProductionJournal journal(JournalOption(args, context.places), link.name(), inputs);
  const EngineOutcome outcome = ProgramAddressRange(
      link.bus(), inputs, observer, [&progress, &journal](RangePass pass, std::uint8_t address) {
        progress.Served(pass, address);
        journal.Served(pass, address);
      });
  journal.Finished(outcome);
  WarnAboutJournal(journal);
  if (!outcome.succeeded()) return link.Fail(outcome, progress.StoppedText());
  link.Close();

  const std::vector<int>& stations = progress.transferred();
  nlohmann::ordered_json summary{{"programmed", stations}};
  if (writeSerialNumbers) summary["serialNumbers"] = SerialNumbers(firstSerial, stations.size());
  PrintJson(summary);
  return 0;
}

}  // namespace tarnwick::cli
