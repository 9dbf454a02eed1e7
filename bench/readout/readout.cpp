// Complete operations over a pseudo-terminal against tarnwick-sim at real
// byte timing: each family's read-out as a read starts it (open with its
// settling, identification, read-out, close), its normal-mode programming
// (same-device check, writes, read-out again) and one tick of its live
// display, each after a read that is not counted, and the factory
// programming of ten stations, each against the floor of what it sent and
// waited for.
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bus/bus_link.h"
#include "bus/protocol_numbers.h"
#include "device/identification.h"
#include "device/readout_engines.h"
#include "floor_recorder.h"
#include "live/live_reading.h"
#include "ports/com_port_factory.h"
#include "ports/port_table.h"
#include "ports/user_places.h"
#include "programming/program_address_range.h"
#include "programming/program_and_read_back.h"
#include "sim/sim_line.h"
#include "support/sim_process.h"
#include "support/temporary_directory.h"

namespace {

using namespace tarnwick;
using bench::FloorRecorder;
using bench::Millis;

constexpr int kBaud = 9600;
constexpr int kReadRuns = 5;
constexpr int kFactoryRuns = 1;
constexpr int kFactoryStations = 10;
constexpr std::int32_t kFirstSerialNumber = 1000;
constexpr double kRatioTarget = 1.05;

// Nothing to show and nobody to ask: a programmer without a switch is a failed run.
class QuietObserver final : public EngineObserver {
 public:
  void SetProgress(int) override {}
  void AdvanceProgress(int) override {}
  bool AskReadAgain() override { return false; }
};

// One operation on an open link.
using Operation = std::function<bool(BusLink& link)>;

struct Figures {
  Millis taken;
  Millis waits;
  Millis wire;
  Millis turnarounds;
  int exchanges = 0;

  Millis floor() const { return waits + wire + turnarounds; }
  double ratio() const { return taken / floor(); }
};

// Runs `operation` `runs` times and keeps the run with the median ratio. A
// `prepare` runs first on the open link, and the measurement starts after it.
bool Measure(const char* name, int com, int runs, const Operation& operation,
             const Operation& prepare = {}) {
  FloorRecorder recorder(kBaud, kDefaultTurnaround);
  LinuxPortTable table(UserPlacesFor(ReadUserEnvironment()));
  ComPortFactory factory(table);
  BusLink link(factory, recorder);
  link.SetFrameLogger(recorder.FrameLogger());
  std::vector<Figures> measured;
  bool ok = true;
  for (int run = 0; run < runs && ok; ++run) {
    recorder.Reset();
    auto start = std::chrono::steady_clock::now();
    ok = link.Open(com, kDefaultReadTimeoutMs, kBaud) == BusResult::kOk;
    if (ok && prepare) {
      ok = prepare(link);
      recorder.Reset();
      start = std::chrono::steady_clock::now();
    }
    ok = ok && operation(link);
    link.Close();
    const Millis taken = std::chrono::steady_clock::now() - start;
    if (recorder.unanswered() > 0) ok = false;
    measured.push_back(
        {taken, recorder.waits(), recorder.wire(), recorder.turnarounds(), recorder.exchanges()});
  }
  if (!ok) {
    std::fprintf(stderr, "readout: %s failed (%d requests unanswered)\n", name,
                 recorder.unanswered());
    return false;
  }
  std::sort(measured.begin(), measured.end(),
            [](const Figures& a, const Figures& b) { return a.ratio() < b.ratio(); });
  const Figures& median = measured[measured.size() / 2];
  std::printf(
      "%-24s %4d exchanges  waits %8.1f ms  wire %7.1f ms  turnaround %5.1f ms  floor %8.1f ms  "
      "taken %8.1f ms  ratio %.3f  %s\n",
      name, median.exchanges, median.waits.count(), median.wire.count(), median.turnarounds.count(),
      median.floor().count(), median.taken.count(), median.ratio(),
      median.ratio() <= kRatioTarget ? "(met)" : "(MISSED)");
  return true;
}

// What a read gave: the device to program or watch.
struct ReadDevice {
  DeviceIdentity identity;
  DeviceFamily family = DeviceFamily::kNone;
  std::optional<DeviceReadout> readout;

  // A read as the console starts it, once the link is open.
  bool operator()(BusLink& link) {
    QuietObserver observer;
    if (!IdentifyDevice(link, kDefaultBusAddress, identity, family).succeeded()) return false;
    readout = ReadOutDevice(link, family, kDefaultBusAddress, identity, false, observer).readout;
    return readout.has_value();
  }
};

bool ReadOut(BusLink& link) { return ReadDevice()(link); }

// What the read found, written back as the switch tabs would show it.
NormalProgramInputs AsRead(const DeviceReadout& readout) {
  const auto values = [](const SwitchReadout& sw) {
    return SwitchProgramValues{sw.selection, sw.highBar, sw.lowBar,
                               sw.closingDelaySteps.value_or(0), sw.openingDelaySteps.value_or(0)};
  };
  return {values(readout.switches[0]), values(readout.switches[1])};
}

bool Program(BusLink& link, const ReadDevice& read) {
  QuietObserver observer;
  const ProgrammingTarget target{read.family, kDefaultBusAddress, read.identity,
                                 read.readout->serialNumber};
  return ProgramAndReadBack(link, target, AsRead(*read.readout), observer).succeeded();
}

bool LiveTickOf(BusLink& link, const ReadDevice& read) {
  const float analogOutMin =
      read.readout->analogOutputRange ? read.readout->analogOutputRange->min : 0.0F;
  return LiveTick(link, read.family, kDefaultBusAddress, analogOutMin).outcome.succeeded();
}

FactoryProgramInputs TenStations() {
  FactoryProgramInputs in;
  in.firstAddress = 1;
  in.lastAddress = kFactoryStations;
  in.pressureRangeMinBar = 0.0F;
  in.pressureRangeMaxBar = 16.0F;
  in.temperatureRangeMin = -25.0F;
  in.temperatureRangeMax = 85.0F;
  in.analogOutSelected = true;
  in.switch1 = {.highBar = 8.0F, .lowBar = 6.0F, .functionCode = 1, .outputType = 2};
  in.switch2 = {.highBar = 12.0F, .lowBar = 4.0F, .functionCode = 3, .outputType = 1};
  in.windowHysteresis = 10;
  in.writeSerialNumbers = true;
  in.firstSerialNumber = kFirstSerialNumber;
  return in;
}

bool FactoryProgram(BusLink& link) {
  QuietObserver observer;
  return ProgramAddressRange(link, TenStations(), observer).succeeded();
}

std::vector<std::string> FactoryStations() {
  std::vector<std::string> options;
  for (int address = 1; address <= kFactoryStations; ++address) {
    options.push_back("--station");
    options.push_back("family=1,address=" + std::to_string(address));
  }
  return options;
}

bool MeasureAll() {
  std::printf("readout: complete operations over pseudo-terminals, tarnwick-sim at %d baud\n",
              kBaud);
  std::printf(
      "floor = every wait the engines and the link ask for (settling after the open, 1 ms before "
      "each request,\n"
      "        retry and status poll pauses) + the bytes of each exchange read back (the echo "
      "overlaps the request)\n"
      "        x 10 bits / %d baud + %.1f ms simulator turnaround per exchange\n",
      kBaud, Millis(kDefaultTurnaround).count());
  std::printf("target: taken / floor <= %.2f (median of %d runs, %d factory run)\n", kRatioTarget,
              kReadRuns, kFactoryRuns);

  bool ok = true;
  for (const char* family : {"1", "2", "4"}) {
    const testing::SimProcess sim(TARNWICK_SIM_PROGRAM, {"--family", family});
    const std::string name = std::string("family ") + family;
    ReadDevice read;
    ok = Measure((name + " read-out").c_str(), sim.com(), kReadRuns, ReadOut) && ok;
    ok = Measure((name + " program").c_str(), sim.com(), kReadRuns,
                 [&read](BusLink& link) { return Program(link, read); }, std::ref(read)) &&
         ok;
    ok = Measure((name + " live tick").c_str(), sim.com(), kReadRuns,
                 [&read](BusLink& link) { return LiveTickOf(link, read); }, std::ref(read)) &&
         ok;
  }
  const testing::SimProcess stations(TARNWICK_SIM_PROGRAM, FactoryStations());
  ok = Measure("factory, 10 stations", stations.com(), kFactoryRuns, FactoryProgram) && ok;
  return ok;
}

}  // namespace

int main() {
  try {
    // Publish the simulators' ports where no other program looks.
    const tarnwick::testing::TemporaryDirectory ports("bench");
    setenv("TARNWICK_PORTS_DIR", ports.path().c_str(), 1);
    return MeasureAll() ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "readout: %s\n", e.what());
    return 1;
  }
}
