#include "cli/shown_values.h"

#include "texts/message_table.h"
#include "view/number_text.h"
#include "view/readout_text.h"

namespace tarnwick::cli {
namespace {

// The unit names follow each other in the message table, litre first.
constexpr int kFirstLevelUnitMessage = 63;
constexpr int kLevelUnitCount = 4;

}  // namespace

std::uint8_t ShownDecimals(DeviceFamily family, float rangeMaxBar, PressureUnit unit) {
  return UpdatePressureDecimals(family, PressureToShown(rangeMaxBar, unit), kStartPressureDecimals);
}

std::string ShownPressure(float bar, PressureUnit unit, int decimals) {
  return FormatFixed(PressureToShown(bar, unit), decimals, kPanelPrecision, '.');
}

std::optional<std::string> LevelUnitText(int levelUnitIndex) {
  if (levelUnitIndex < 0 || levelUnitIndex >= kLevelUnitCount) return std::nullopt;
  return MessageText(kLanguageEnglish, kFirstLevelUnitMessage + levelUnitIndex);
}

}  // namespace tarnwick::cli
