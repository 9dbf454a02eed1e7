#pragma once

#include <filesystem>

#include "bus/bus_link.h"
#include "console/widgets/dialogs.h"
#include "ports/port_source.h"
#include "settings/settings_store.h"

namespace tarnwick {

// The platform as the console sees it: the real program passes the real
// services, window tests pass fakes. All of them outlive the main window.
struct ConsoleServices {
  // The one serial link, with its port factory and clock.
  BusLink& link;
  SettingsStore& settings;
  Dialogs& dialogs;
  // The present ports and the news of devices that come and go.
  PortSource& portSource;
  // Where factory programming keeps its production journal, one file a day.
  std::filesystem::path journalDirectory;
};

}  // namespace tarnwick
