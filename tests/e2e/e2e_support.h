#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "bus/bus_link.h"
#include "bus/posix_serial_port.h"
#include "bus/virtual_clock.h"
#include "ports/port_table.h"
#include "support/sim_process.h"

namespace tarnwick::testing {

inline const std::string kSimProgram = TARNWICK_SIM_PROGRAM;
inline const std::string kCliProgram = TARNWICK_CLI_PROGRAM;

// Simulators of this test publish their ports in a directory of its own, so
// tests running side by side never see each other's COM numbers.
class PrivatePortsDirectory {
 public:
  PrivatePortsDirectory();
  ~PrivatePortsDirectory();
  PrivatePortsDirectory(const PrivatePortsDirectory&) = delete;
  PrivatePortsDirectory& operator=(const PrivatePortsDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::optional<std::string> saved_;
};

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
  int err_ = -1;
  std::string outSoFar_;
};

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments);

// The console's link on the machine's real ports, as tarnwick-cli sets it up.
// Its pauses (the settling after an open, 1 ms before each request, the quiet
// line after a failure) are tested on the virtual clock elsewhere; here they
// are recorded rather than slept, so the suite stays fast. Read and write
// time-outs belong to the backend and run in real time.
class E2eTest : public ::testing::Test {
 protected:
  E2eTest();
  ~E2eTest() override;

  PrivatePortsDirectory ports;
  LinuxPortTable table;
  PosixSerialPortFactory factory{table};
  VirtualClock pauses;
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
