// tarnwick-sim: the simulated devices behind a pseudo-terminal published as
// a COM port.
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iostream>

#include "ports/port_table.h"
#include "ports/user_places.h"
#include "sim/port_publisher.h"
#include "sim/pty_server.h"
#include "sim/sim_options.h"
#include "sim/sim_state_file.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitBadOptions = 2;

int Fail(const std::string& message, int status) {
  std::cerr << "tarnwick-sim: " << message << '\n';
  return status;
}

// The stop signals arrive through a descriptor the server polls, so a sleep
// in the middle of a reply is never cut short.
int StopSignalFd() {
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGINT);
  sigaddset(&stop, SIGTERM);
  if (sigprocmask(SIG_BLOCK, &stop, nullptr) != 0) return -1;
  return signalfd(-1, &stop, SFD_CLOEXEC);
}

bool BuildStations(const tarnwick::SimOptions& options, tarnwick::SimBus& bus, std::string& error) {
  if (options.statePath && std::filesystem::exists(*options.statePath)) {
    if (options.stationsGiven) {
      std::cerr << "tarnwick-sim: stations come from " << options.statePath->string()
                << "; the station options are ignored\n";
    }
    return tarnwick::LoadBusState(*options.statePath, bus, error);
  }
  for (const auto& station : options.stations) bus.Add(tarnwick::MakeStation(station));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const auto options = tarnwick::ParseSimOptions({argv + 1, argv + argc}, error);
  if (!options) return Fail(error, kExitBadOptions);
  if (options->help) {
    std::cout << tarnwick::SimUsage();
    return 0;
  }

  const int stopFd = StopSignalFd();
  if (stopFd < 0) return Fail("cannot watch for SIGINT and SIGTERM", kExitFailure);

  tarnwick::SimBus bus;
  if (!BuildStations(*options, bus, error)) return Fail(error, kExitFailure);

  tarnwick::PtyServer server(bus, {.instant = options->instant});
  if (!server.Open(error)) return Fail(error, kExitFailure);
  const tarnwick::UserPlaces places = tarnwick::UserPlacesFor(tarnwick::ReadUserEnvironment());
  const auto publisher =
      tarnwick::PortPublisher::Publish(places.portsDirectory, server.DevicePath(), options->com,
                                       tarnwick::LinuxPortTable(places).NumbersInUse(), error);
  if (!publisher) return Fail(error, kExitFailure);

  std::cout << "COM" << publisher->Com() << ' ' << server.DevicePath() << std::endl;

  const auto saveState = [&] {
    std::string saveError;
    if (options->statePath && !tarnwick::SaveBusState(bus, *options->statePath, saveError)) {
      std::cerr << "tarnwick-sim: " << saveError << '\n';
    }
  };
  const bool served = server.Serve(stopFd, saveState, error);
  saveState();
  close(stopFd);
  if (!served) return Fail(error, kExitFailure);
  return 0;
}
