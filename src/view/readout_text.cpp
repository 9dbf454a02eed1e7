#include "view/readout_text.h"

#include "device/config_codec.h"
#include "view/number_text.h"

namespace tarnwick {

std::string ByteDotByte(std::uint8_t first, std::uint8_t second) {
  return std::to_string(first) + "." + std::to_string(second);
}

std::string RangeText(const ValueRange& range, int decimals, char separator) {
  return FormatFixed(range.min, decimals, kPanelPrecision, separator) + " ... " +
         FormatFixed(range.max, decimals, kPanelPrecision, separator);
}

std::string DelayText(DeviceFamily family, std::uint8_t steps, char separator) {
  return FormatFixed(DelayStepsToSeconds(family, steps), kDelayDecimals, kEditPrecision, separator);
}

}  // namespace tarnwick
