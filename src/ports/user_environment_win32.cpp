#include <cstdlib>

#include "ports/user_places.h"

namespace tarnwick {
namespace {

std::filesystem::path Variable(const wchar_t* name) {
  const wchar_t* value = _wgetenv(name);
  return value != nullptr ? value : L"";
}

}  // namespace

// Only the journal's folder and a ports directory for tests matter on
// Windows: its ports come from the registry.
UserEnvironment ReadUserEnvironment() {
  return {.home = Variable(L"USERPROFILE"),
          .configHome = {},
          .dataHome = {},
          .runtimeDir = {},
          .portsDirectory = Variable(L"TARNWICK_PORTS_DIR"),
          .appData = Variable(L"APPDATA"),
          .userId = 0};
}

}  // namespace tarnwick
