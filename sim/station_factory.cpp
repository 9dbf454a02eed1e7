#include "sim/station_factory.h"

#include "sim/family1_station.h"
#include "sim/family2_station.h"
#include "sim/family4_station.h"

namespace tarnwick {

bool IsSimulatedFamily(int family) { return family == 1 || family == 2 || family == 4; }

std::unique_ptr<SimStation> MakeStation(const StationSpec& stationSpec) {
  std::unique_ptr<SimStation> station;
  switch (stationSpec.family) {
    case 1: {
      auto programmer = std::make_unique<Family1Station>(stationSpec.address);
      if (stationSpec.busyPolls) programmer->SetBusyPolls(*stationSpec.busyPolls);
      station = std::move(programmer);
      break;
    }
    case 2:
      station = std::make_unique<Family2Station>(stationSpec.address);
      break;
    case 4:
      station = std::make_unique<Family4Station>(stationSpec.address);
      break;
    default:
      return nullptr;
  }
  if (stationSpec.version) {
    DeviceIdentity identity = station->Identity();
    identity.VersionMajor = stationSpec.version->major;
    identity.VersionMinor = stationSpec.version->minor;
    station->SetIdentity(identity);
  }
  station->SetFaults(stationSpec.faults);
  return station;
}

}  // namespace tarnwick
