#pragma once

#include <spawn.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace tarnwick::testing {

// Starts `program` with `arguments` and the test's environment, its standard
// output on `stdoutFd` and, when given, its standard error on `stderrFd`.
// Throws when the program cannot be started.
inline pid_t SpawnProgram(const std::string& program, const std::vector<std::string>& arguments,
                          int stdoutFd, int stderrFd = -1) {
  std::vector<std::string> words{program};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
  if (stderrFd >= 0) posix_spawn_file_actions_adddup2(&actions, stderrFd, STDERR_FILENO);
  pid_t pid = -1;
  const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) throw std::runtime_error("cannot start " + program);
  return pid;
}

}  // namespace tarnwick::testing
