// Round trips of single commands over a pseudo-terminal against tarnwick-sim
// at real byte timing, against the physical floor of the wire, and the CPU
// the console spends on them.
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bus/bus_link.h"
#include "bus/device_commands.h"
#include "bus/protocol_numbers.h"
#include "ports/com_port_factory.h"
#include "ports/port_table.h"
#include "ports/user_places.h"
#include "sim/sim_line.h"
#include "support/sim_process.h"
#include "support/temporary_directory.h"

namespace {

using namespace tarnwick;
using Millis = std::chrono::duration<double, std::milli>;

constexpr int kBaud = 9600;
constexpr int kBitsPerByte = 10;
constexpr int kWarmUp = 5;
constexpr int kExchanges = 200;
constexpr double kRatioTarget = 1.05;
constexpr double kCpuShareTarget = 0.05;

struct Command {
  const char* name;
  FrameLengths lengths;
  std::function<BusResult()> run;
};

// The request and the reply each cross the wire once; the echo of the request
// comes back on the receive line while the request is being sent, so it adds
// no time of its own.
Millis WireFloor(const FrameLengths& lengths) {
  const int bytes = (lengths.request + 2) + (lengths.reply + 2);
  const Millis wire{bytes * kBitsPerByte * 1000.0 / kBaud};
  return wire + Millis(kDefaultTurnaround) + Millis(kPauseBeforeRequestMs);
}

Millis CpuTime() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return Millis((seconds(usage.ru_utime) + seconds(usage.ru_stime)) * 1000.0);
}

Millis Median(std::vector<Millis> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

bool Measure(const Command& command) {
  for (int i = 0; i < kWarmUp; ++i) command.run();
  std::vector<Millis> roundTrips;
  roundTrips.reserve(kExchanges);
  const Millis cpuBefore = CpuTime();
  const auto wallBefore = std::chrono::steady_clock::now();
  for (int i = 0; i < kExchanges; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const BusResult result = command.run();
    roundTrips.push_back(std::chrono::steady_clock::now() - start);
    if (result != BusResult::kOk) {
      std::fprintf(stderr, "exchange: %s failed with %d (%s)\n", command.name,
                   BusResultCode(result), BusResultName(result));
      return false;
    }
  }
  const Millis wall = std::chrono::steady_clock::now() - wallBefore;
  const double cpuShare = (CpuTime() - cpuBefore) / wall;

  const Millis floor = WireFloor(command.lengths);
  const Millis median = Median(roundTrips);
  const double ratio = median / floor;
  std::printf(
      "%-16s %2d + %2d bytes  floor %7.3f ms  median %7.3f ms  ratio %.3f  %s   CPU %4.1f %% of "
      "wall  %s\n",
      command.name, command.lengths.request + 2, command.lengths.reply + 2, floor.count(),
      median.count(), ratio, ratio <= kRatioTarget ? "(met)   " : "(MISSED)", cpuShare * 100.0,
      cpuShare < kCpuShareTarget ? "(met)" : "(MISSED)");
  return true;
}

// Measures both commands on an open link to `sim`; 0 when every exchange succeeded.
int MeasureAgainst(const tarnwick::testing::SimProcess& sim) {
  LinuxPortTable table(UserPlacesFor(ReadUserEnvironment()));
  ComPortFactory factory(table);
  SteadyClock clock;
  BusLink link(factory, clock);
  if (link.Open(sim.com(), kDefaultReadTimeoutMs, kBaud) != BusResult::kOk) {
    std::fprintf(stderr, "exchange: cannot open %s (%s)\n", sim.portName().c_str(),
                 sim.device().c_str());
    return 1;
  }

  std::printf("exchange: %d round trips of each command over %s (%s), tarnwick-sim at %d baud\n",
              kExchanges, sim.portName().c_str(), sim.device().c_str(), kBaud);
  std::printf(
      "floor = (request + reply bytes, CRC included) x %d bits / %d baud + %.1f ms simulator "
      "turnaround + %d ms pause before the request;\n"
      "        the echo of the request returns while it is sent and adds nothing\n",
      kBitsPerByte, kBaud, Millis(kDefaultTurnaround).count(), kPauseBeforeRequestMs);
  std::printf("targets: median / floor <= %.2f, CPU of this process < %.0f %% of wall time\n",
              kRatioTarget, kCpuShareTarget * 100.0);

  DeviceIdentity identity;
  float value = 0;
  const std::vector<Command> commands{
      {"Identify", kIdentifyLengths, [&] { return Identify(link, kDefaultBusAddress, identity); }},
      {"ReadCoefficient", kReadCoefficientLengths,
       [&] { return ReadCoefficient(link, kDefaultBusAddress, 72, value); }},
  };
  int status = 0;
  for (const Command& command : commands) {
    if (!Measure(command)) status = 1;
  }
  return status;
}

}  // namespace

int main() {
  try {
    // Publish the simulator's port where no other program looks.
    const tarnwick::testing::TemporaryDirectory ports("bench");
    setenv("TARNWICK_PORTS_DIR", ports.path().c_str(), 1);
    const tarnwick::testing::SimProcess sim(TARNWICK_SIM_PROGRAM, {});
    return MeasureAgainst(sim);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "exchange: %s\n", e.what());
    return 1;
  }
}
