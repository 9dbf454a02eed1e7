#include "cli/shown_values.h"

#include "texts/message_numbers.h"
#include "texts/message_table.h"
#include "view/number_text.h"
#include "view/readout_text.h"

namespace tarnwick::cli {

std::uint8_t ShownDecimals(DeviceFamily family, float rangeMaxBar, PressureUnit unit) {
  return UpdatePressureDecimals(family, PressureToShown(rangeMaxBar, unit), kStartPressureDecimals);
}

std::string ShownPressure(float bar, PressureUnit unit, int decimals) {
  return FormatFixed(PressureToShown(bar, unit), decimals, kPanelPrecision, '.');
}

std::optional<std::string> LevelUnitText(int levelUnitIndex) {
  if (levelUnitIndex < 0 || levelUnitIndex >= kLevelUnitCount) return std::nullopt;
  return MessageText(kLanguageEnglish, kMsgFirstLevelUnit + levelUnitIndex);
}

}  // namespace tarnwick::cli
