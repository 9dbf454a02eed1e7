#pragma once

#include "ports/user_places.h"

namespace tarnwick::cli {

// What main() knows before a command runs: the global options and the places
// the environment names.
struct CliContext {
  // --trace: every frame written and every block read, in hex on stderr.
  bool traceFrames = false;
  UserPlaces places;
};

}  // namespace tarnwick::cli
