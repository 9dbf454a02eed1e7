#pragma once

namespace tarnwick {

// Where the console's session stands, as far as the three action buttons
// (Read out, Program, Display) care.
struct SessionStatus {
  // A read or programming run is under way: no action may start.
  bool busy = false;
  // A read-out completed and its values are on screen.
  bool deviceDataValid = false;
  bool factoryMode = false;
  // Factory mode programs address ranges without a read, except after a
  // failed read-out of a switch or level device.
  bool rangeProgrammingAllowed = true;
  // The live display's timer runs.
  bool liveRunning = false;
};

struct ActionButtonStates {
  bool readEnabled = false;
  bool programEnabled = false;
  bool displayEnabled = false;
  bool displayDown = false;

  bool operator==(const ActionButtonStates&) const = default;
};

// The buttons of a session status: nothing starts while a run is under way;
// Program needs a device read, or factory mode where ranges may be
// programmed; Display needs a device read, and is down while it runs.
ActionButtonStates ActionButtonsFor(const SessionStatus& status);

}  // namespace tarnwick
