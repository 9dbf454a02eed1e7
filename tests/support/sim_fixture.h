#pragma once

#include <gtest/gtest.h>

#include "bus/bus_link.h"
#include "bus/virtual_clock.h"
#include "sim/family1_station.h"
#include "sim/family2_station.h"
#include "sim/family4_station.h"
#include "sim/sim_bus.h"
#include "sim/simulated_port.h"
#include "sim/station_factory.h"

namespace tarnwick {

// A bus link on a simulated bus at COM<kSimCom> and a virtual clock, so that
// the real commands put real frames on the bus. Create it, add stations to
// `bus`, open the link.
struct SimEnvironment {
  static constexpr int kSimCom = 3;

  VirtualClock clock;
  SimBus bus;
  SimulatedPortFactory factory{clock};
  BusLink link{factory, clock};

  explicit SimEnvironment(LineTiming timing = {}) {
    factory.SetTiming(timing);
    factory.Connect(kSimCom, bus);
  }
  SimEnvironment(const SimEnvironment&) = delete;
  SimEnvironment& operator=(const SimEnvironment&) = delete;

  // Open as the console calls it: 500 ms read time-out, 9600 baud.
  BusResult OpenLink() { return link.Open(kSimCom, kDefaultReadTimeoutMs, kBusBaudRate); }

  // A station of `family` at `address` with the defaults tarnwick-sim gives it.
  SimStation& AddStation(int family, std::uint8_t address, const StationFaults& faults = {}) {
    StationSpec wanted;
    wanted.family = family;
    wanted.address = address;
    wanted.faults = faults;
    return bus.Add(MakeStation(wanted));
  }

  // Forgets the requests and sleeps so far, e.g. after setting up.
  void ClearRecords() {
    bus.ClearRequestLog();
    clock.ClearSleeps();
  }
};

// Google Test fixture with the default station, a family-1 programmer at
// address 1, on an open link.
class SimFamily1Test : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(sim.OpenLink(), BusResult::kOk);
    sim.ClearRecords();
  }

  SimEnvironment sim;
  Family1Station& station = sim.bus.Add<Family1Station>(std::uint8_t{1});
};

}  // namespace tarnwick
