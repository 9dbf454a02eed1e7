#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/spawn.h"

namespace tarnwick::testing {

// A running tarnwick-sim: started with the given options, it prints
// "COM<n> <device>" and serves until this object ends it with SIGTERM. It
// inherits the environment, so TARNWICK_PORTS_DIR decides where it publishes.
class SimProcess {
 public:
  // A simulator that has printed nothing by then is taken as hung.
  static constexpr int kStartLimitMs = 10000;

  SimProcess(const std::string& program, const std::vector<std::string>& options) {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    try {
      pid_ = SpawnProgram(program, options, out[1]);
    } catch (...) {
      close(out[0]);
      close(out[1]);
      throw;
    }
    close(out[1]);
    stdout_ = fdopen(out[0], "r");
    pollfd ready{out[0], POLLIN, 0};
    char line[512] = {};
    if (!stdout_ || poll(&ready, 1, kStartLimitMs) != 1 || !fgets(line, sizeof line, stdout_)) {
      Stop();
      throw std::runtime_error(program + " printed no port");
    }
    char device[480] = {};
    if (std::sscanf(line, "COM%d %479s", &com_, device) != 2) {
      Stop();
      throw std::runtime_error(std::string("unexpected first line: ") + line);
    }
    device_ = device;
  }

  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;
  ~SimProcess() { Stop(); }

  int com() const { return com_; }
  std::string portName() const { return "COM" + std::to_string(com_); }
  const std::string& device() const { return device_; }
  pid_t pid() const { return pid_; }

  // Ends the simulator with `signal` and returns its wait status as waitpid
  // gives it (-1 if it was already gone).
  int Stop(int signal = SIGTERM) {
    int status = -1;
    if (pid_ > 0) {
      kill(pid_, signal);
      waitpid(pid_, &status, 0);
      pid_ = -1;
    }
    if (stdout_) {
      fclose(stdout_);
      stdout_ = nullptr;
    }
    return status;
  }

 private:
  pid_t pid_ = -1;
  FILE* stdout_ = nullptr;
  int com_ = 0;
  std::string device_;
};

}  // namespace tarnwick::testing
