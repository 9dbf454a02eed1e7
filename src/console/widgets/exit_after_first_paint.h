#pragma once

class QWidget;

namespace tarnwick {

inline constexpr char kExitAfterFirstPaintVariable[] = "TARNWICK_EXIT_AFTER_FIRST_PAINT";

// For the start-up benchmark: when the environment variable above is set, the
// program prints "painted" on stdout and quits as soon as `window` has been
// painted for the first time. Does nothing otherwise.
void ExitAfterFirstPaintIfAsked(QWidget* window);

}  // namespace tarnwick
