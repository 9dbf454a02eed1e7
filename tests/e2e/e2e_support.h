#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "bus/bus_link.h"
#include "bus/virtual_clock.h"
#include "ports/com_port_factory.h"
#include "ports/port_table.h"
#include "ports/user_places.h"
#include "support/private_ports_directory.h"
#include "support/scoped_environment.h"
#include "support/sim_process.h"

namespace tarnwick::testing {

inline const std::string kSimProgram = TARNWICK_SIM_PROGRAM;
inline const std::string kCliProgram = TARNWICK_CLI_PROGRAM;

// A program run to its end with its output gathered.
struct ProgramResult {
  int exitStatus = -1;  // -1 when it did not exit normally
  std::string out;
  std::string err;
};

// Starts a program at once; Finish waits for it. Several can run side by side.
class ProgramRun {
 public:
  ProgramRun(const std::string& program, const std::vector<std::string>& arguments);
  ~ProgramRun();
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  // Reads standard output until it holds `count` lines; false when the
  // program ended or `limitMs` passed first. What was read stays part of
  // Finish's result.
  bool WaitForLines(std::size_t count, int limitMs);
  void Signal(int signal) const;
  ProgramResult Finish();

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  std::FILE* err_ = nullptr;
  std::string outSoFar_;
};

std::unique_ptr<ProgramRun> StartCli(const std::vector<std::string>& arguments);
ProgramResult Cli(const std::vector<std::string>& arguments);
// Runs tarnwick-cli once per argument list, all side by side: each run pays
// the half second the link settles after opening.
std::vector<ProgramResult> CliSideBySide(const std::vector<std::vector<std::string>>& runs);

// "tarnwick-cli: <text>\n", the one line a failure prints on stderr.
std::string Reason(const std::string& text);

// Each line of `out` parsed as JSON (discarded values where it is not).
std::vector<nlohmann::json> JsonLines(const std::string& out);

// Expects each key of `expected` in `actual` with exactly its value; a null
// expects the key to be absent or null.
void ExpectIncludes(const nlohmann::json& actual, const nlohmann::json& expected);

// The console's link on the machine's real ports, as tarnwick-cli sets it up,
// with simulators publishing their ports in a directory of the test's own.
// The link's pauses (the settling after an open, 1 ms before each request,
// the quiet line after a failure) are tested on the virtual clock elsewhere;
// here they are recorded rather than slept, so the suite stays fast. Read and
// write time-outs belong to the backend and run in real time.
class E2eTest : public ::testing::Test {
 protected:
  // Writes a file into the test's own directory and gives its path.
  std::string WriteFile(const std::string& name, const std::string& content) const;

  PrivatePortsDirectory ports;
  // The programs keep their data (the production journal) in the test's own
  // directory, never in the user's.
  ScopedEnvironment dataHome{"XDG_DATA_HOME", (ports.root() / "data").string()};
  // As a program's main() sees them, once the two directories are set.
  UserPlaces places = UserPlacesFor(ReadUserEnvironment());
  LinuxPortTable table{places};
  ComPortFactory factory{table};
  VirtualClock pauses;
  BusLink link{factory, pauses};
};

using Millis = std::chrono::duration<double, std::milli>;

// Real time taken by `action`.
template <typename Action>
Millis Timed(Action action) {
  const auto start = std::chrono::steady_clock::now();
  action();
  return std::chrono::steady_clock::now() - start;
}

}  // namespace tarnwick::testing
