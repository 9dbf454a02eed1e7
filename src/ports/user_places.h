#pragma once

#include <filesystem>

namespace tarnwick {

// The environment's values that decide where the programs keep their files
// and find published ports. main() reads them once (ReadUserEnvironment) and
// passes the places down; nothing below main() looks at the environment.
// An empty path is a variable that is not set or empty.
struct UserEnvironment {
  std::filesystem::path home;            // HOME, else the user's home from the password file
  std::filesystem::path configHome;      // XDG_CONFIG_HOME
  std::filesystem::path dataHome;        // XDG_DATA_HOME
  std::filesystem::path runtimeDir;      // XDG_RUNTIME_DIR
  std::filesystem::path portsDirectory;  // TARNWICK_PORTS_DIR
  std::filesystem::path appData;         // APPDATA, on Windows only
  unsigned userId = 0;                   // the user's number, on POSIX
};

// The process's own environment (platform file).
UserEnvironment ReadUserEnvironment();

// Where the programs look and write, from one environment.
struct UserPlaces {
  // Where virtual ports are published as symlinks COM<n> -> tty device:
  // TARNWICK_PORTS_DIR, else XDG_RUNTIME_DIR/tarnwick/ports, else
  // /tmp/tarnwick-<uid>/ports. The simulator publishes there, the port table
  // reads it.
  std::filesystem::path portsDirectory;
  // The COM numbers given to serial adapters:
  // XDG_CONFIG_HOME/Vostrand/Tarnwick-ports.conf, XDG_CONFIG_HOME defaulting
  // to ~/.config.
  std::filesystem::path portNumberFile;
  // The production journal's daily files, where Qt's AppDataLocation puts
  // the data of organisation "Vostrand" and application "Tarnwick":
  // XDG_DATA_HOME/Vostrand/Tarnwick (~/.local/share when XDG_DATA_HOME is
  // unset, / for a missing home), on Windows %APPDATA%\Vostrand\Tarnwick.
  // Not created here.
  std::filesystem::path journalDirectory;
};

UserPlaces UserPlacesFor(const UserEnvironment& environment);

// The symlink in `portsDirectory` that publishes COM<n>.
std::filesystem::path PortLinkPath(const std::filesystem::path& portsDirectory, int comNumber);

}  // namespace tarnwick
