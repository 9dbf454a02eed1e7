#pragma once

namespace tarnwick {

// The hourglass while a device operation blocks the window; the window keeps
// one. Showing it while it is shown does nothing, so one Restore always
// brings the normal cursor back.
class BusyCursor {
 public:
  void Show();
  void Restore();

 private:
  bool shown_ = false;
};

}  // namespace tarnwick
