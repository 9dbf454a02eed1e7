#pragma once

#include "bus/bus_log.h"

namespace tarnwick::cli {

// --trace: a frame logger that writes every frame in hex on stderr.
BusFrameLogger StderrFrameTrace();

}  // namespace tarnwick::cli
