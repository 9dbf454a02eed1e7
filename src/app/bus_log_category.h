#pragma once

#include <QLoggingCategory>

namespace tarnwick {

// Every frame on the bus in hex, at debug level; silent unless switched on,
// for example with QT_LOGGING_RULES="tarnwick.bus.debug=true".
Q_DECLARE_LOGGING_CATEGORY(BusLogCategory)

// Routes the bus's frame logger into BusLogCategory.
void InstallBusLogCategory();

}  // namespace tarnwick
