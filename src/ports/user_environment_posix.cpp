#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "ports/user_places.h"

namespace tarnwick {
namespace {

std::filesystem::path Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::filesystem::path HomeDirectory() {
  if (std::filesystem::path home = Variable("HOME"); !home.empty()) return home;
  const passwd* user = getpwuid(getuid());
  return user != nullptr ? std::filesystem::path(user->pw_dir) : std::filesystem::path{};
}

}  // namespace

UserEnvironment ReadUserEnvironment() {
  return {.home = HomeDirectory(),
          .configHome = Variable("XDG_CONFIG_HOME"),
          .dataHome = Variable("XDG_DATA_HOME"),
          .runtimeDir = Variable("XDG_RUNTIME_DIR"),
          .portsDirectory = Variable("TARNWICK_PORTS_DIR"),
          .appData = {},
          .userId = static_cast<unsigned>(getuid())};
}

}  // namespace tarnwick
