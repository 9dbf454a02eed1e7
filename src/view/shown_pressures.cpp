#include "view/shown_pressures.h"

#include "view/number_text.h"
#include "view/readout_text.h"

namespace tarnwick {

ShownPressures ConvertShownPressures(const std::array<std::string, 4>& switchPointTexts,
                                     const ValueRange& rangeBar, const UnitChange& change) {
  std::array<float, 4> converted{};
  for (std::size_t n = 0; n < converted.size(); ++n) {
    const auto value = static_cast<float>(ParseNumber(switchPointTexts[n], change.separator));
    converted[n] = ConvertPressure(value, change.from, change.to);
  }
  ShownPressures shown;
  shown.rangeShown = {PressureToShown(rangeBar.min, change.to),
                      PressureToShown(rangeBar.max, change.to)};
  shown.decimals = UpdatePressureDecimals(change.family, shown.rangeShown.max, change.decimals);
  for (std::size_t n = 0; n < converted.size(); ++n) {
    shown.switchPoints[n] =
        FormatFixed(converted[n], shown.decimals, kEditPrecision, change.separator);
  }
  shown.rangeText = RangeText(shown.rangeShown, shown.decimals, change.separator);
  return shown;
}

}  // namespace tarnwick
