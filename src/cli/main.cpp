#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/cli_commands.h"

namespace {

constexpr const char* kUsage =
    "usage: tarnwick-cli [--trace] <command> [options]\n"
    "\n"
    "commands (P is COM<n> or a device path):\n"
    "  identify --port P [--address A]\n"
    "      identify the device at address A (default 250) and print its identity and family\n"
    "  read --port P [--address A] [--factory] [--unit bar|PSI|MPa] [--retry-no-switch N]\n"
    "      read the device out and print its configuration as JSON; --factory adds the\n"
    "      stored values a pressure switch reports for the factory read-back\n"
    "  program --port P --config FILE.json [--retry-no-switch N]\n"
    "      write the configuration FILE.json (what read printed, edited) into the same\n"
    "      device, read it back and print what it now holds; fails naming each value\n"
    "      the device holds otherwise than written\n"
    "  live --port P [--address A] [--unit U] [--count N] [--retry-no-switch N]\n"
    "      read the device out, then print one JSON line of readings every 500 ms,\n"
    "      N times or until Ctrl-C\n"
    "  factory-program --port P --from A --to B --values FILE.json [--serial N]\n"
    "                  [--journal FILE]\n"
    "      program every programming adapter from address A to B with the values of\n"
    "      FILE.json and, with --serial, ascending serial numbers from N; one JSON line\n"
    "      per address goes to the production journal FILE, by default the file of the\n"
    "      day journal-YYYY-MM-DD.jsonl in $XDG_DATA_HOME/Vostrand/Tarnwick\n"
    "      (~/.local/share/Vostrand/Tarnwick when XDG_DATA_HOME is not set)\n"
    "  ports\n"
    "      list the present ports, one JSON object a line, in the order of their numbers\n"
    "  scan --port P [--from A --to B]\n"
    "      identify every station from address A to B (default 1 to 255; 250, which\n"
    "      every station answers, is left out) and print one JSON line per station that\n"
    "      answers: its address, identity, family and serial number. Each silent address\n"
    "      waits out one exchange time-out of half a second, so the whole range takes\n"
    "      about two minutes\n"
    "\n"
    "The pressure switch family asks whether to search again when the adapter finds no\n"
    "switch: --retry-no-switch N answers OK N times, the default answers Cancel.\n"
    "Exit status: 0 success, 1 failure (message on stderr), 2 usage mistake.\n"
    "--trace logs every frame in hex on stderr.\n";

constexpr int kExitUsage = 2;

using Command =
    std::function<int(const std::vector<std::string>&, const tarnwick::cli::CliContext&)>;

int UsageMistake(const std::string& what) {
  std::cerr << "tarnwick-cli: " << what << "\n\n" << kUsage;
  return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  tarnwick::cli::CliContext context{
      .traceFrames = false, .places = tarnwick::UserPlacesFor(tarnwick::ReadUserEnvironment())};
  if (!words.empty() && words.front() == "--trace") {
    context.traceFrames = true;
    words.erase(words.begin());
  }
  if (!words.empty() && (words.front() == "--help" || words.front() == "help")) {
    std::cout << kUsage;
    return 0;
  }
  if (words.empty()) return UsageMistake("no command given");

  const std::map<std::string, Command> commands{
      {"identify", tarnwick::cli::RunIdentify},
      {"read", tarnwick::cli::RunRead},
      {"program", tarnwick::cli::RunProgram},
      {"live", tarnwick::cli::RunLive},
      {"factory-program", tarnwick::cli::RunFactoryProgram},
      {"ports", tarnwick::cli::RunPorts},
      {"scan", tarnwick::cli::RunScan},
  };
  const auto command = commands.find(words.front());
  if (command == commands.end()) return UsageMistake("unknown command '" + words.front() + "'");
  try {
    return command->second({words.begin() + 1, words.end()}, context);
  } catch (const tarnwick::cli::UsageError& error) {
    return UsageMistake(error.what());
  }
}
