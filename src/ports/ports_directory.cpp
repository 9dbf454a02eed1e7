#include "ports/ports_directory.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace tarnwick {

std::filesystem::path PortsDirectory() {
  if (const char* dir = std::getenv("TARNWICK_PORTS_DIR"); dir && *dir) return dir;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
    return std::filesystem::path(runtime) / "tarnwick" / "ports";
  }
  return std::filesystem::path("/tmp") / ("tarnwick-" + std::to_string(getuid())) / "ports";
}

std::filesystem::path PortLinkPath(int comNumber) {
  return PortsDirectory() / ("COM" + std::to_string(comNumber));
}

}  // namespace tarnwick
