// Start-up of the console against a minimal Qt Widgets program with one window:
// the time from starting the process to its window's first paint, and the
// process's peak resident memory, each as a ratio console / reference.
// Both programs run with TARNWICK_EXIT_AFTER_FIRST_PAINT, so each prints
// "painted" and quits once its window is on screen. The platform is Qt's
// offscreen one unless QT_QPA_PLATFORM says otherwise.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "support/private_directories.h"
#include "support/temporary_directory.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Millis = std::chrono::duration<double, std::milli>;

constexpr int kWarmUp = 2;
constexpr int kRuns = 11;
constexpr double kRatioTarget = 1.5;
constexpr int kPaintTimeoutMs = 30000;

struct Figures {
  std::vector<Millis> shown;
  std::vector<long> peakKiB;
};

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Reads the child's stdout until it reports its first paint; false when it
// ends or stalls without one.
bool AwaitPaint(int fd) {
  std::string output;
  char buffer[256];
  pollfd watched{fd, POLLIN, 0};
  while (output.find("painted\n") == std::string::npos) {
    if (poll(&watched, 1, kPaintTimeoutMs) <= 0) return false;
    const ssize_t count = read(fd, buffer, sizeof buffer);
    if (count <= 0) return false;
    output.append(buffer, static_cast<std::size_t>(count));
  }
  return true;
}

// Starts `program` once and adds its figures; the platform's chatter on its
// stderr goes to `errors` and is shown only when the start fails.
bool StartOnce(const char* program, const fs::path& errors, Figures& figures) {
  int pipeFds[2];
  if (pipe2(pipeFds, O_CLOEXEC) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  char* argv[] = {const_cast<char*>(program), nullptr};

  const auto begin = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  if (spawned != 0) {
    close(pipeFds[0]);
    std::fprintf(stderr, "startup: cannot start %s\n", program);
    return false;
  }
  const bool painted = AwaitPaint(pipeFds[0]);
  const Millis shown = std::chrono::steady_clock::now() - begin;
  if (!painted) kill(pid, SIGKILL);
  close(pipeFds[0]);

  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return false;
  if (!painted || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "startup: %s did not show its window and exit cleanly:\n", program);
    std::cerr << std::ifstream(errors).rdbuf();
    return false;
  }
  figures.shown.push_back(shown);
  figures.peakKiB.push_back(usage.ru_maxrss);
  return true;
}

void PrepareEnvironment(const fs::path& scratch) {
  setenv("TARNWICK_EXIT_AFTER_FIRST_PAINT", "1", 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  tarnwick::testing::UsePrivateDirectories(scratch);
}

const char* Verdict(double ratio) { return ratio <= kRatioTarget ? "(met)" : "(MISSED)"; }

int Measure(const fs::path& scratch) {
  const fs::path errors = scratch / "stderr";
  Figures console;
  Figures reference;
  Figures warmUp;
  // Alternating, so a change of machine load weighs on both alike.
  for (int i = 0; i < kWarmUp + kRuns; ++i) {
    Figures& forReference = i < kWarmUp ? warmUp : reference;
    Figures& forConsole = i < kWarmUp ? warmUp : console;
    if (!StartOnce(TARNWICK_REFERENCE_PROGRAM, errors, forReference) ||
        !StartOnce(TARNWICK_CONSOLE_PROGRAM, errors, forConsole)) {
      return 1;
    }
  }

  const Millis consoleShown = Median(console.shown);
  const Millis referenceShown = Median(reference.shown);
  const long consolePeak = Median(console.peakKiB);
  const long referencePeak = Median(reference.peakKiB);
  const double shownRatio = consoleShown / referenceShown;
  const double peakRatio = static_cast<double>(consolePeak) / static_cast<double>(referencePeak);

  std::printf("startup: median of %d starts each on the \"%s\" platform; target ratio <= %.1f\n",
              kRuns, getenv("QT_QPA_PLATFORM"), kRatioTarget);
  std::printf("  start to window painted  console %6.1f ms   reference %6.1f ms   ratio %.2f  %s\n",
              consoleShown.count(), referenceShown.count(), shownRatio, Verdict(shownRatio));
  std::printf("  peak resident memory     console %6.1f MiB  reference %6.1f MiB  ratio %.2f  %s\n",
              consolePeak / 1024.0, referencePeak / 1024.0, peakRatio, Verdict(peakRatio));
  return 0;
}

}  // namespace

int main() {
  try {
    const tarnwick::testing::TemporaryDirectory scratch("startup");
    PrepareEnvironment(scratch.path());
    return Measure(scratch.path());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "startup: %s\n", e.what());
    return 1;
  }
}
