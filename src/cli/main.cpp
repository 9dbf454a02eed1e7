#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "bus/bus_log.h"
#include "cli/cli_args.h"
#include "cli/commands.h"

namespace {

constexpr const char* kUsage =
    "usage: tarnwick-cli <command> [options]\n"
    "\n"
    "commands:\n"
    "  identify --port COM<n>|/dev/... [--address A]\n"
    "      identify the device at address A (default 250) and print its identity and family\n"
    "\n"
    "Give --trace before the command to log every frame in hex on stderr.\n";

using Command = std::function<int(const std::vector<std::string>&)>;

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  if (!words.empty() && words.front() == "--trace") {
    tarnwick::SetBusFrameLogger([](tarnwick::FrameDirection direction, auto bytes) {
      std::cerr << (direction == tarnwick::FrameDirection::kSent ? "> " : "< ")
                << tarnwick::HexBytes(bytes) << '\n';
    });
    words.erase(words.begin());
  }
  if (words.empty() || words.front() == "--help" || words.front() == "help") {
    std::cout << kUsage;
    return words.empty() ? 2 : 0;
  }

  const std::map<std::string, Command> commands{
      {"identify", tarnwick::cli::RunIdentify},
  };
  const auto command = commands.find(words.front());
  if (command == commands.end()) {
    std::cerr << "tarnwick-cli: unknown command '" << words.front() << "'\n" << kUsage;
    return 2;
  }
  try {
    return command->second({words.begin() + 1, words.end()});
  } catch (const tarnwick::cli::UsageError& error) {
    std::cerr << "tarnwick-cli: " << error.what() << '\n';
    return 2;
  }
}
