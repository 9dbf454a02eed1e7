#pragma once

#include "app/dialogs.h"
#include "bus/clock.h"
#include "bus/serial_port.h"
#include "settings/settings_store.h"

namespace tarnwick {

// The platform as the console sees it: the real program passes the real
// services, window tests pass fakes. All of them outlive the main window.
struct ConsoleServices {
  Clock& clock;
  SerialPortFactory& ports;
  SettingsStore& settings;
  Dialogs& dialogs;
};

}  // namespace tarnwick
