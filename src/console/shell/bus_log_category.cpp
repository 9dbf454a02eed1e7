#include "console/shell/bus_log_category.h"

namespace tarnwick {

// Info and above only, so the frames stay silent until a rule asks for debug.
Q_LOGGING_CATEGORY(BusLogCategory, "tarnwick.bus", QtInfoMsg)

BusFrameLogger BusLogCategoryLogger() {
  return [](FrameDirection direction, std::span<const std::uint8_t> bytes) {
    qCDebug(BusLogCategory).noquote()
        << (direction == FrameDirection::kSent ? ">" : "<") << HexBytes(bytes).c_str();
  };
}

}  // namespace tarnwick
