#pragma once

#include <filesystem>

namespace tarnwick {

// Where virtual ports are published as symlinks COM<n> -> tty device:
// $TARNWICK_PORTS_DIR, else $XDG_RUNTIME_DIR/tarnwick/ports, else
// /tmp/tarnwick-<uid>/ports. Both the simulator and the port table use it.
std::filesystem::path PortsDirectory();

// The symlink that publishes COM<n>.
std::filesystem::path PortLinkPath(int comNumber);

}  // namespace tarnwick
