#pragma once

#include <QLoggingCategory>

#include "bus/bus_log.h"

namespace tarnwick {

// Every frame on the bus in hex, at debug level; silent unless switched on,
// for example with QT_LOGGING_RULES="tarnwick.bus.debug=true".
Q_DECLARE_LOGGING_CATEGORY(BusLogCategory)

// A frame logger for a BusLink that writes into BusLogCategory.
BusFrameLogger BusLogCategoryLogger();

}  // namespace tarnwick
