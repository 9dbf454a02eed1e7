#pragma once

#include <stdlib.h>

#include <filesystem>

namespace tarnwick::testing {

// Points the settings home, the ports directory and the runtime directory at
// directories of their own below `scratch`, so no stored setting or present
// port of the user plays a part.
inline void UsePrivateDirectories(const std::filesystem::path& scratch) {
  for (const char* name : {"XDG_CONFIG_HOME", "TARNWICK_PORTS_DIR", "XDG_RUNTIME_DIR"}) {
    const std::filesystem::path directory = scratch / name;
    std::filesystem::create_directory(directory);
    std::filesystem::permissions(directory, std::filesystem::perms::owner_all);
    setenv(name, directory.c_str(), 1);
  }
}

}  // namespace tarnwick::testing
