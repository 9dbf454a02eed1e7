#pragma once

#include <vector>

namespace tarnwick {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const ScreenRect&) const = default;
};

struct ScreenArea {
  ScreenRect geometry;   // the whole screen
  ScreenRect available;  // without task bars and panels
};

struct ScreenPoint {
  int left = 0;
  int top = 0;

  bool operator==(const ScreenPoint&) const = default;
};

// Where a window stored at `window` goes. A window whose title bar can be
// grabbed on some screen stays where it was stored, even partly off screen; one
// that nobody could reach (a screen unplugged since, a hand-edited setting)
// moves onto the nearest screen's free area, as far as it fits.
ScreenPoint ReachablePosition(const ScreenRect& window, const std::vector<ScreenArea>& screens);

}  // namespace tarnwick
