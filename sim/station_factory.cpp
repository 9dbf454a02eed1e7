#include "sim/station_factory.h"

#include "sim/family1_station.h"
#include "sim/family2_station.h"
#include "sim/family4_station.h"

namespace tarnwick {

bool IsSimulatedFamily(int family) { return family == 1 || family == 2 || family == 4; }

std::unique_ptr<SimStation> MakeStation(const StationSpec& spec) {
  std::unique_ptr<SimStation> station;
  switch (spec.family) {
    case 1: {
      auto programmer = std::make_unique<Family1Station>(spec.address);
      if (spec.busyPolls) programmer->SetBusyPolls(*spec.busyPolls);
      station = std::move(programmer);
      break;
    }
    case 2:
      station = std::make_unique<Family2Station>(spec.address);
      break;
    case 4:
      station = std::make_unique<Family4Station>(spec.address);
      break;
    default:
      return nullptr;
  }
  if (spec.version) {
    DeviceIdentity identity = station->Identity();
    identity.VersionMajor = spec.version->major;
    identity.VersionMinor = spec.version->minor;
    station->SetIdentity(identity);
  }
  station->SetFaults(spec.faults);
  return station;
}

}  // namespace tarnwick
