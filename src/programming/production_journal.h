#pragma once

#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "device/engine_observer.h"
#include "programming/program_address_range.h"
#include "programming/programming_inputs.h"

namespace tarnwick {

// Where the journal's lines go: into the file of each line's local day
// ("journal-2026-12-10.jsonl") in a directory, or all into one file.
// Missing directories are created.
class JournalPlace {
 public:
  static JournalPlace DailyFilesIn(std::filesystem::path directory);
  static JournalPlace OneFile(std::filesystem::path file);

  std::filesystem::path FileFor(const std::tm& localTime) const;

 private:
  JournalPlace(std::filesystem::path directory, std::optional<std::filesystem::path> file);

  std::filesystem::path directory_;
  std::optional<std::filesystem::path> file_;
};

using WallClock = std::function<std::chrono::system_clock::time_point()>;

// The production journal of one factory programming run: one JSON line per
// address of the range, written as soon as the address's result is known,
//   {"time":"2026-12-10T14:03:22+01:00","port":"COM3","address":3,
//    "serialNumber":1000,"values":{...},"result":"done"}
// "time" is local with its offset, "serialNumber" the number the run gives the
// address (only when serial numbers are written), "values" the inputs as
// written (bar, °C, steps, codes). An address is done once the transfer pass
// has served it. When the run fails, every address not done gets a line with
// the message number as "result" (51 or 61), "valuesWritten" (whether the write
// pass served it) and, unless it is the failing address itself,
// "failedAddress". A line that cannot be written is kept as the failure and
// the run goes on: the journal never stops the programming.
class ProductionJournal {
 public:
  ProductionJournal(JournalPlace place, std::string portName, const FactoryProgramInputs& inputs,
                    WallClock now = std::chrono::system_clock::now);

  // To be told everything ProgramAddressRange reports through AddressServed.
  void Served(RangePass pass, std::uint8_t address);
  // To be told how ProgramAddressRange ended.
  void Finished(const EngineOutcome& outcome);

  // Why the first line that did not reach the disk failed; empty while every
  // line did.
  const std::optional<std::string>& failure() const { return failure_; }

 private:
  // The line of `address`: done for a successful `outcome`, else failed with it.
  void Append(std::uint8_t address, const EngineOutcome& outcome);

  JournalPlace place_;
  std::string portName_;
  FactoryProgramInputs inputs_;
  WallClock now_;
  std::vector<std::uint8_t> addresses_;
  std::set<std::uint8_t> written_;
  std::set<std::uint8_t> done_;
  std::optional<std::string> failure_;
};

}  // namespace tarnwick
