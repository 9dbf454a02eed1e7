#include "view/entry_rules.h"

#include <cmath>

#include "view/number_text.h"

namespace tarnwick {
namespace {

constexpr int kShownPrecision = 14;
constexpr int kDelayDecimals = 2;
constexpr double kSwitchPointHeadroom = 1.1;
constexpr double kDelayStepsPerSecond = 50.0;
constexpr float kMaxStepDelay = 5.0F;
constexpr double kMaxLevelDeviceDelay = 255.0;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsDecimalMark(char c, char separator) { return c == ',' || c == '.' || c == separator; }

// Independent of the floating-point rounding mode, which a plug-in may change.
double RoundHalfToEven(double value) {
  if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
  return std::round(value);
}

// Each of the three limits is -1 bar in its unit.
double LowestSwitchPoint(PressureUnit unit) {
  switch (unit) {
    case PressureUnit::kBar:
      return -1.0;
    case PressureUnit::kPsi:
      return -14.5;
    case PressureUnit::kMpa:
      return -0.1;
  }
  return -1.0;
}

double ClampSwitchPoint(double value, const SwitchPointContext& context) {
  const double lowest = LowestSwitchPoint(context.unit);
  if (value < lowest) return lowest;
  if (context.family == DeviceFamily::kLevelDevice) return value;
  const double highest = kSwitchPointHeadroom * context.rangeMaxShown;
  return value > highest ? highest : value;
}

double ClampDelay(double seconds, DeviceFamily family) {
  if (family == DeviceFamily::kLevelDevice) {
    const double whole = RoundHalfToEven(seconds);
    return whole > kMaxLevelDeviceDelay ? kMaxLevelDeviceDelay : whole;
  }
  const auto stepped =
      static_cast<float>(RoundHalfToEven(seconds * kDelayStepsPerSecond) / kDelayStepsPerSecond);
  return stepped > kMaxStepDelay ? kMaxStepDelay : stepped;
}

// The clean text as a number; the error names what the user typed, not what
// was left of it.
double CleanNumber(const std::string& clean, std::string_view typed, char separator) {
  try {
    return ParseNumber(clean, separator);
  } catch (const NumberTextError&) {
    throw NumberTextError(typed, NumberKind::kFloat);
  }
}

}  // namespace

char FilterNumberKey(std::string_view wholeText, char typed, char separator) {
  if (typed == separator) {
    return wholeText.find(separator) == std::string_view::npos ? typed : '\0';
  }
  return IsDigit(typed) || typed == kBackspace ? typed : '\0';
}

CleanEntry CleanNumberEntry(std::string_view text, char separator) {
  CleanEntry entry;
  entry.negative = !text.empty() && text.front() == '-';
  bool markSeen = false;
  for (char c : text) {
    if (IsDigit(c)) {
      entry.text += c;
    } else if (IsDecimalMark(c, separator) && !markSeen) {
      entry.text += separator;
      markSeen = true;
    }
  }
  return entry;
}

std::string NormaliseSwitchPoint(std::string_view text, const SwitchPointContext& context) {
  const CleanEntry entry = CleanNumberEntry(text, context.separator);
  if (entry.text.empty()) {
    return context.edit == SwitchPointEdit::kSwitch1
               ? FormatFixed(0.0, context.decimals, kShownPrecision, context.separator)
               : "0";
  }
  const double typed =
      CleanNumber(entry.negative ? "-" + entry.text : entry.text, text, context.separator);
  return FormatFixed(ClampSwitchPoint(typed, context), context.decimals, kShownPrecision,
                     context.separator);
}

std::string NormaliseDelay(std::string_view text, DeviceFamily family, char separator) {
  const CleanEntry entry = CleanNumberEntry(text, separator);
  // Zero in the user's own format: a full stop under a comma locale would be
  // text that programming itself could not read back as a number.
  if (entry.text.empty() || entry.negative) {
    return FormatFixed(0.0, kDelayDecimals, kShownPrecision, separator);
  }
  const double seconds = CleanNumber(entry.text, text, separator);
  return FormatFixed(ClampDelay(seconds, family), kDelayDecimals, kShownPrecision, separator);
}

}  // namespace tarnwick
