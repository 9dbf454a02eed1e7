#include "device/action_buttons.h"

namespace tarnwick {

ActionButtonStates ActionButtonsFor(const SessionStatus& status) {
  if (status.busy) return {};
  return {.readEnabled = true,
          .programEnabled =
              status.deviceDataValid || (status.factoryMode && status.rangeProgrammingAllowed),
          .displayEnabled = status.deviceDataValid,
          .displayDown = status.deviceDataValid && status.liveRunning};
}

}  // namespace tarnwick
