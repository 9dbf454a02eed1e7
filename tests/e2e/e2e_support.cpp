#include "e2e_support.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/spawn.h"

namespace tarnwick::testing {
namespace {

// Appends what `fd` gives until its end.
void ReadToEnd(int fd, std::string& into) {
  char chunk[512];
  for (ssize_t n; (n = read(fd, chunk, sizeof chunk)) != 0;) {
    if (n > 0) {
      into.append(chunk, static_cast<std::size_t>(n));
    } else if (errno != EINTR) {
      return;
    }
  }
}

}  // namespace

// Standard error goes to a file rather than a pipe, so reading standard output
// to its end never waits on a full error pipe.
ProgramRun::ProgramRun(const std::string& program, const std::vector<std::string>& arguments)
    : err_(std::tmpfile()) {
  int out[2];
  if (!err_ || pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("no pipe or file for output");
  try {
    pid_ = SpawnProgram(program, arguments, out[1], fileno(err_));
  } catch (...) {
    close(out[0]);
    close(out[1]);
    throw;
  }
  close(out[1]);
  out_ = out[0];
}

ProgramRun::~ProgramRun() {
  if (pid_ > 0) Finish();
  if (out_ >= 0) close(out_);
  if (err_) std::fclose(err_);
}

bool ProgramRun::WaitForLines(std::size_t count, int limitMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
  while (std::count(outSoFar_.begin(), outSoFar_.end(), '\n') < static_cast<long>(count)) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd ready{out_, POLLIN, 0};
    if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) return false;
    char chunk[512];
    const ssize_t n = read(out_, chunk, sizeof chunk);
    if (n == 0 || (n < 0 && errno != EINTR)) return false;
    if (n > 0) outSoFar_.append(chunk, static_cast<std::size_t>(n));
  }
  return true;
}

void ProgramRun::Signal(int signal) const {
  if (pid_ > 0) kill(pid_, signal);
}

ProgramResult ProgramRun::Finish() {
  ProgramResult result;
  if (pid_ <= 0) return result;
  result.out = std::move(outSoFar_);
  ReadToEnd(out_, result.out);
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
  if (WIFEXITED(status)) result.exitStatus = WEXITSTATUS(status);
  lseek(fileno(err_), 0, SEEK_SET);
  ReadToEnd(fileno(err_), result.err);
  return result;
}

std::unique_ptr<ProgramRun> StartCli(const std::vector<std::string>& arguments) {
  return std::make_unique<ProgramRun>(kCliProgram, arguments);
}

ProgramResult Cli(const std::vector<std::string>& arguments) {
  return ProgramRun(kCliProgram, arguments).Finish();
}

std::vector<ProgramResult> CliSideBySide(const std::vector<std::vector<std::string>>& runs) {
  std::vector<std::unique_ptr<ProgramRun>> started;
  for (const auto& arguments : runs) started.push_back(StartCli(arguments));
  std::vector<ProgramResult> results;
  for (auto& run : started) results.push_back(run->Finish());
  return results;
}

std::string Reason(const std::string& text) { return "tarnwick-cli: " + text + "\n"; }

std::vector<nlohmann::json> JsonLines(const std::string& out) {
  std::vector<nlohmann::json> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(nlohmann::json::parse(line, nullptr, false));
  }
  return lines;
}

void ExpectIncludes(const nlohmann::json& actual, const nlohmann::json& expected) {
  ASSERT_TRUE(actual.is_object()) << actual;
  for (const auto& [key, value] : expected.items()) {
    EXPECT_EQ(actual.value(key, nlohmann::json()), value) << key;
  }
}

std::string E2eTest::WriteFile(const std::string& name, const std::string& content) const {
  const std::string path = (ports.root() / name).string();
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

}  // namespace tarnwick::testing
