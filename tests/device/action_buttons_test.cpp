#include "device/action_buttons.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

// The buttons after a read's outcomes, during a run and while the display runs.
TEST(ActionButtonsTest, FollowTheSessionInBothModes) {
  struct Case {
    const char* what;
    SessionStatus status;
    ActionButtonStates buttons;
  };
  const Case cases[] = {
      {"read succeeded", {.deviceDataValid = true}, {true, true, true, false}},
      {"read failed", {}, {true, false, false, false}},
      {"read failed, factory mode", {.factoryMode = true}, {true, true, false, false}},
      {"switch device's read-out failed, factory mode",
       {.factoryMode = true, .rangeProgrammingAllowed = false},
       {true, false, false, false}},
      {"a run under way", {.busy = true, .deviceDataValid = true, .liveRunning = true}, {}},
      {"display running", {.deviceDataValid = true, .liveRunning = true}, {true, true, true, true}},
      {"factory range programmed, nothing read",
       {.factoryMode = true, .liveRunning = true},
       {true, true, false, false}},
  };
  for (const Case& c : cases) EXPECT_EQ(ActionButtonsFor(c.status), c.buttons) << c.what;
}

}  // namespace
}  // namespace tarnwick
