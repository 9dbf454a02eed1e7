#include "sim/sim_options.h"

#include <charconv>
#include <sstream>

namespace tarnwick {
namespace {

bool ParseInt(const std::string& text, int min, int max, int& value) {
  int parsed = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, parsed);
  if (text.empty() || result.ec != std::errc{} || result.ptr != end) return false;
  if (parsed < min || parsed > max) return false;
  value = parsed;
  return true;
}

bool ParseVersion(const std::string& text, SoftwareVersion& version) {
  const auto dot = text.find('.');
  int major = 0;
  int minor = 0;
  if (dot == std::string::npos || !ParseInt(text.substr(0, dot), 0, 255, major) ||
      !ParseInt(text.substr(dot + 1), 0, 255, minor)) {
    return false;
  }
  version = {static_cast<std::uint8_t>(major), static_cast<std::uint8_t>(minor)};
  return true;
}

bool ParseHexBytes(const std::string& text, std::vector<std::uint8_t>& bytes) {
  if (text.empty() || text.size() % 2 != 0) return false;
  bytes.clear();
  for (std::size_t i = 0; i < text.size(); i += 2) {
    unsigned value = 0;
    const char* begin = text.data() + i;
    const auto result = std::from_chars(begin, begin + 2, value, 16);
    if (result.ec != std::errc{} || result.ptr != begin + 2) return false;
    bytes.push_back(static_cast<std::uint8_t>(value));
  }
  return true;
}

bool ParseFamily(const std::string& text, int& family) {
  return ParseInt(text, 1, 4, family) && IsSimulatedFamily(family);
}

// One key of a station: family, address, version, busy-polls or fault.
bool ApplyStationKey(const std::string& key, const std::string& value, StationSpec& station,
                     std::string& error) {
  int number = 0;
  if (key == "family") {
    if (!ParseFamily(value, station.family)) {
      error = "family must be 1, 2 or 4, not '" + value + "'";
      return false;
    }
  } else if (key == "address") {
    if (!ParseInt(value, 1, 255, number)) {
      error = "address must be 1 to 255, not '" + value + "'";
      return false;
    }
    station.address = static_cast<std::uint8_t>(number);
  } else if (key == "version") {
    SoftwareVersion version;
    if (!ParseVersion(value, version)) {
      error = "version must be MAJOR.MINOR with numbers 0 to 255, not '" + value + "'";
      return false;
    }
    station.version = version;
  } else if (key == "busy-polls") {
    if (!ParseInt(value, 0, 1000, number)) {
      error = "busy-polls must be 0 to 1000, not '" + value + "'";
      return false;
    }
    station.busyPolls = number;
  } else if (key == "fault") {
    return ParseFault(value, station.faults, error);
  } else {
    error = "unknown station key '" + key + "' (family, address, version, busy-polls, fault)";
    return false;
  }
  return true;
}

bool ParseStation(const std::string& text, StationSpec& station, std::string& error) {
  std::stringstream items(text);
  std::string item;
  bool familyGiven = false;
  while (std::getline(items, item, ',')) {
    const auto equals = item.find('=');
    if (equals == std::string::npos) {
      error = "--station expects KEY=VALUE items, not '" + item + "'";
      return false;
    }
    const std::string key = item.substr(0, equals);
    if (!ApplyStationKey(key, item.substr(equals + 1), station, error)) return false;
    familyGiven = familyGiven || key == "family";
  }
  if (!familyGiven) {
    error = "--station needs family=1, 2 or 4";
    return false;
  }
  return true;
}

}  // namespace

bool ParseFault(const std::string& text, StationFaults& faults, std::string& error) {
  const auto colon = text.find(':');
  const std::string name = text.substr(0, colon);
  const bool hasValue = colon != std::string::npos;
  const std::string value = hasValue ? text.substr(colon + 1) : std::string{};
  int number = 0;
  if (name == "silent" && !hasValue) {
    faults.silent = true;
  } else if (name == "bad-crc" && !hasValue) {
    faults.corruptCrc = true;
  } else if (name == "exception" && ParseInt(value, 0, 255, number)) {
    faults.exception = static_cast<std::uint8_t>(number);
  } else if (name == "short" && (!hasValue || ParseInt(value, 1, 255, number))) {
    faults.shortReplyBy = hasValue ? number : 1;
  } else if (name == "garbage" && (!hasValue || ParseHexBytes(value, faults.garbageBefore))) {
    if (!hasValue) faults.garbageBefore = {0x00, 0xFF, 0x55};
  } else if (name == "busy" && !hasValue) {
    faults.programmerBusyForever = true;
  } else if (name == "no-switch" && !hasValue) {
    faults.noSwitch = true;
  } else if (name == "remove-switch" && ParseInt(value, 0, 1'000'000, number)) {
    faults.removeSwitchAfter = number;
  } else if (name == "ignore-write" && ParseInt(value, 0, 255, number)) {
    faults.ignoredWrite = static_cast<std::uint8_t>(number);
  } else if (name == "only-function" && ParseInt(value, 0, 255, number)) {
    faults.onlyFunction = static_cast<std::uint8_t>(number);
  } else if (name == "only-index" && ParseInt(value, 0, 255, number)) {
    faults.onlyIndex = static_cast<std::uint8_t>(number);
  } else {
    error = "unknown or incomplete fault '" + text + "' (see --help)";
    return false;
  }
  return true;
}

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args,
                                          std::string& error) {
  SimOptions options;
  StationSpec single;
  bool singleGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      return options;
    }
    if (arg == "--instant") {
      options.instant = true;
      continue;
    }
    if (arg.rfind("--", 0) != 0) {
      error = "unexpected argument '" + arg + "' (see --help)";
      return std::nullopt;
    }
    if (i + 1 >= args.size()) {
      error = arg == "--com" || arg == "--family" || arg == "--address" || arg == "--version" ||
                      arg == "--busy-polls" || arg == "--fault" || arg == "--station" ||
                      arg == "--state"
                  ? arg + " needs a value"
                  : "unknown option '" + arg + "' (see --help)";
      return std::nullopt;
    }
    const std::string& value = args[++i];
    int number = 0;
    if (arg == "--com") {
      if (!ParseInt(value, 1, 256, number)) {
        error = "--com must be 1 to 256, not '" + value + "'";
        return std::nullopt;
      }
      options.com = number;
    } else if (arg == "--station") {
      StationSpec station;
      if (!ParseStation(value, station, error)) return std::nullopt;
      options.stations.push_back(station);
    } else if (arg == "--state") {
      if (value.empty()) {
        error = "--state needs a file name";
        return std::nullopt;
      }
      options.statePath = value;
    } else if (arg == "--family" || arg == "--address" || arg == "--version" ||
               arg == "--busy-polls" || arg == "--fault") {
      if (!ApplyStationKey(arg.substr(2), value, single, error)) {
        error.insert(0, arg + ": ");
        return std::nullopt;
      }
      singleGiven = true;
    } else {
      error = "unknown option '" + arg + "' (see --help)";
      return std::nullopt;
    }
  }
  if (singleGiven && !options.stations.empty()) {
    error = "use either --station or --family/--address/--version/--busy-polls/--fault";
    return std::nullopt;
  }
  options.stationsGiven = singleGiven || !options.stations.empty();
  if (options.stations.empty()) options.stations.push_back(single);
  return options;
}

std::string SimUsage() {
  return R"(usage: tarnwick-sim [OPTIONS]
Simulates pressure switch devices behind a pseudo-terminal published as a COM
port, so that tarnwick and tarnwick-cli can be used without hardware. Prints
"COM<n> <device>" and serves until interrupted (SIGINT or SIGTERM).

Port and timing:
  --com N              publish as COM<N> (1 to 256); default: the first free
                       number from 2 in the ports directory
  --instant            answer at once instead of at the line's byte timing
                       (10 bits a byte at the baud set, plus 2 ms turnaround)

One station (default: family 1 at address 1):
  --family 1|2|4       1 programmer with pressure switch (12.1, version 5.12),
                       2 switch device (11.10), 4 level device (15.1, 10.0)
  --address A          bus address 1 to 255; every station also answers 250
  --version X.Y        software version of the programmer or device
  --busy-polls N       status polls a programmer job stays busy (default 2)
  --fault FAULT        a fault of the station (repeatable)

Several stations (instead of the options above; repeatable):
  --station KEY=VALUE[,KEY=VALUE...]
                       keys: family (required), address, version, busy-polls,
                       fault (repeatable), e.g.
                       --station family=2,address=5
                       --station family=1,address=3,fault=exception:2

Faults:
  silent               neither answers nor acts
  bad-crc              one CRC byte of every reply is wrong
  exception:CODE       answers every request with exception CODE
  short[:N]            replies N data bytes short (default 1), CRC valid
  garbage[:HEX]        sends bytes (default 00FF55) ahead of every reply
  busy                 the programmer stays busy for ever
  no-switch            no pressure switch on the programmer
  remove-switch:N      the switch is removed after N requests
  ignore-write:N       acknowledges writes of coefficient, parameter or
                       register N but keeps what it held
  only-function:F      the reply faults above hit only function F
  only-index:I         ... and only requests whose first data byte is I

State:
  --state FILE         load the stations from FILE if it exists (the station
                       options are then ignored), save them after every
                       write and on exit
  --help               show this text
)";
}

}  // namespace tarnwick
