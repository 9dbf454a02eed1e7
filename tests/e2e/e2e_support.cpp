#include "e2e_support.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <stdexcept>

namespace tarnwick::testing {
namespace {

// Reads both pipes until the program has closed them.
void Drain(int out, int err, ProgramResult& result) {
  std::array<pollfd, 2> fds{pollfd{out, POLLIN, 0}, pollfd{err, POLLIN, 0}};
  std::array<std::string*, 2> into{&result.out, &result.err};
  int open = 2;
  while (open > 0) {
    if (poll(fds.data(), fds.size(), -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    for (std::size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char chunk[512];
      const ssize_t n = read(fds[i].fd, chunk, sizeof chunk);
      if (n > 0) {
        into[i]->append(chunk, static_cast<std::size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        fds[i].fd = -1;
        --open;
      }
    }
  }
}

}  // namespace

PrivatePortsDirectory::PrivatePortsDirectory() {
  char pattern[] = "/tmp/tarnwick-e2e-XXXXXX";
  if (mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
  if (const char* old = std::getenv("TARNWICK_PORTS_DIR")) saved_ = old;
  setenv("TARNWICK_PORTS_DIR", path_.c_str(), 1);
}

PrivatePortsDirectory::~PrivatePortsDirectory() {
  if (saved_) {
    setenv("TARNWICK_PORTS_DIR", saved_->c_str(), 1);
  } else {
    unsetenv("TARNWICK_PORTS_DIR");
  }
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

ProgramRun::ProgramRun(const std::string& program, const std::vector<std::string>& arguments) {
  int out[2];
  int err[2];
  if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  if (pipe2(err, O_CLOEXEC) != 0) {
    close(out[0]);
    close(out[1]);
    throw std::runtime_error("pipe failed");
  }
  std::vector<std::string> words{program};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, err[0]);
  const int rc = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  close(err[1]);
  out_ = out[0];
  err_ = err[0];
  if (rc != 0) {
    pid_ = -1;
    throw std::runtime_error("cannot start " + program);
  }
}

ProgramRun::~ProgramRun() {
  if (pid_ > 0) Finish();
  if (out_ >= 0) close(out_);
  if (err_ >= 0) close(err_);
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
  Drain(out_, err_, result);
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
  if (WIFEXITED(status)) result.exitStatus = WEXITSTATUS(status);
  return result;
}

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments) {
  return ProgramRun(program, arguments).Finish();
}

E2eTest::E2eTest() { TheBusLink().Attach(&factory, &pauses); }

E2eTest::~E2eTest() { TheBusLink().Detach(); }

}  // namespace tarnwick::testing
