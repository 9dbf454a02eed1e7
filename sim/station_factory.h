#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "sim/sim_faults.h"
#include "sim/sim_station.h"

namespace tarnwick {

struct SoftwareVersion {
  std::uint8_t major = 0;
  std::uint8_t minor = 0;
};

// One station as the command line or a test describes it; unset fields keep
// the family's defaults.
struct StationSpec {
  int family = 1;
  std::uint8_t address = 1;
  std::optional<SoftwareVersion> version;
  std::optional<int> busyPolls;  // family 1 only
  StationFaults faults;
};

bool IsSimulatedFamily(int family);

// A station of the requested family with its default configuration; nullptr for
// a family the simulator does not know.
std::unique_ptr<SimStation> MakeStation(const StationSpec& stationSpec);

}  // namespace tarnwick
