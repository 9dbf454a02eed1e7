#include "ports/user_places.h"

#include <string>

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

const fs::path kOrganisationAndApplication = fs::path("Vostrand") / "Tarnwick";

fs::path PortsDirectoryFor(const UserEnvironment& environment) {
  if (!environment.portsDirectory.empty()) return environment.portsDirectory;
  if (!environment.runtimeDir.empty()) return environment.runtimeDir / "tarnwick" / "ports";
  return fs::path("/tmp") / ("tarnwick-" + std::to_string(environment.userId)) / "ports";
}

fs::path JournalDirectoryFor(const UserEnvironment& environment) {
  if (!environment.appData.empty()) return environment.appData / kOrganisationAndApplication;
  fs::path dataHome = environment.dataHome;
  if (dataHome.empty()) {
    // Qt takes the root for a missing home, and so do we.
    dataHome = (environment.home.empty() ? fs::path("/") : environment.home) / ".local" / "share";
  }
  return dataHome / kOrganisationAndApplication;
}

}  // namespace

UserPlaces UserPlacesFor(const UserEnvironment& environment) {
  const fs::path configHome =
      environment.configHome.empty() ? environment.home / ".config" : environment.configHome;
  return {.portsDirectory = PortsDirectoryFor(environment),
          .portNumberFile = configHome / "Vostrand" / "Tarnwick-ports.conf",
          .journalDirectory = JournalDirectoryFor(environment)};
}

fs::path PortLinkPath(const fs::path& portsDirectory, int comNumber) {
  return portsDirectory / ("COM" + std::to_string(comNumber));
}

}  // namespace tarnwick
