#include "settings/window_placement.h"

#include <algorithm>
#include <limits>

namespace tarnwick {
namespace {

// The strip along the top of a window that a user grabs to move it.
constexpr int kGrabStripHeight = 24;
constexpr int kGrabMinWidth = 80;
constexpr int kGrabMinHeight = 8;

// Wide enough that a stored position near the integer limits plus a length
// cannot overflow.
long long Overlap(long long start1, long long length1, long long start2, long long length2) {
  return std::min(start1 + length1, start2 + length2) - std::max(start1, start2);
}

bool CanGrab(const ScreenRect& window, const ScreenRect& screen) {
  const long long grabWidth = std::min(kGrabMinWidth, window.width);
  return Overlap(window.left, window.width, screen.left, screen.width) >= grabWidth &&
         Overlap(window.top, kGrabStripHeight, screen.top, screen.height) >= kGrabMinHeight;
}

// Zero where the two overlap, else how far apart they are on each axis.
long long Distance(const ScreenRect& a, const ScreenRect& b) {
  const long long dx = std::max(0LL, -Overlap(a.left, a.width, b.left, b.width));
  const long long dy = std::max(0LL, -Overlap(a.top, a.height, b.top, b.height));
  return dx * dx + dy * dy;
}

int Fit(int start, int length, int areaStart, int areaLength) {
  const long long end = static_cast<long long>(areaStart) + areaLength - length;
  return static_cast<int>(std::max<long long>(areaStart, std::min<long long>(start, end)));
}

}  // namespace

ScreenPoint ReachablePosition(const ScreenRect& window, const std::vector<ScreenArea>& screens) {
  const ScreenArea* nearest = nullptr;
  long long nearestDistance = std::numeric_limits<long long>::max();
  for (const auto& screen : screens) {
    if (CanGrab(window, screen.geometry)) return {window.left, window.top};
    const long long distance = Distance(window, screen.geometry);
    if (distance < nearestDistance) {
      nearestDistance = distance;
      nearest = &screen;
    }
  }
  if (!nearest) return {window.left, window.top};
  const ScreenRect& area = nearest->available;
  return {Fit(window.left, window.width, area.left, area.width),
          Fit(window.top, window.height, area.top, area.height)};
}

}  // namespace tarnwick
