#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "sim/sim_faults.h"
#include "sim/station_factory.h"

namespace tarnwick {

// What the command line of tarnwick-sim asks for.
struct SimOptions {
  bool help = false;
  std::optional<int> com;  // publish as COM<n>; else the first free from 2
  bool instant = false;
  std::vector<StationSpec> stations;  // never empty after a successful parse
  bool stationsGiven = false;         // false: the default station
  std::optional<std::filesystem::path> statePath;
};

// Parses the arguments after the program name. On a bad option returns
// nothing and sets `error` to a one-line message.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error);

// Adds one fault written as on the command line ("silent", "exception:3", …).
bool ParseFault(const std::string& text, StationFaults& faults, std::string& error);

// The text of --help.
std::string SimUsage();

}  // namespace tarnwick
