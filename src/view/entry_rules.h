#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "device/pressure_units.h"

namespace tarnwick {

inline constexpr char kBackspace = '\b';

// The key filter of the switch-point edits: `typed` when it is a digit,
// backspace or the first decimal separator, '\0' (the stroke is discarded)
// otherwise. A second separator is refused even when the first one is
// selected and would be typed over.
char FilterNumberKey(std::string_view wholeText, char typed, char separator);

// What is left of an entry once everything but digits and the first decimal
// mark ("," or ".", or the separator itself) is dropped; that mark becomes
// `separator`.
struct CleanEntry {
  bool negative = false;  // the entry began with "-"
  std::string text;
};
CleanEntry CleanNumberEntry(std::string_view text, char separator);

// Which text an emptied switch-point edit gets: the formatted zero on the
// first switch tab, the bare "0" on the second.
enum class SwitchPointEdit : std::uint8_t { kSwitch1, kSwitch2 };

struct SwitchPointContext {
  SwitchPointEdit edit = SwitchPointEdit::kSwitch1;
  PressureUnit unit = PressureUnit::kBar;
  DeviceFamily family = DeviceFamily::kNone;
  float rangeMaxShown = 0;
  int decimals = 0;
  char separator = '.';
};

// The canonical text of a switch point left by the user: -1 bar (in the
// current unit) at the bottom, 10 % above the range end at the top except for
// the level device. Throws NumberTextError for an entry that is only a decimal
// mark, so the caller keeps the text as typed.
std::string NormaliseSwitchPoint(std::string_view text, const SwitchPointContext& context);

// The canonical text of a closing or opening delay: whole seconds up to 255 for
// the level device, steps of 0.02 s up to 5 s for the others, halves to the even
// step. Empty and negative entries give zero ("0.00", "0,00"). Throws NumberTextError as
// NormaliseSwitchPoint does.
std::string NormaliseDelay(std::string_view text, DeviceFamily family, char separator);

}  // namespace tarnwick
