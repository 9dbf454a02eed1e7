#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace tarnwick {

enum class NumberKind : std::uint8_t { kFloat, kInteger };

// The one exception for text that is not a number. The console's central
// handler shows it in an error box (NumberTextErrorText for the user's
// language; what() is the English text) and the action ends there. The
// parser knows the text; a caller that knows the field it came from adds the
// field's caption (InField).
class NumberTextError : public std::runtime_error {
 public:
  NumberTextError(std::string_view text, NumberKind kind, std::string field = {});

  // The text as it was given, blanks included.
  const std::string& text() const { return text_; }
  NumberKind kind() const { return kind_; }
  // The caption of the field the text was typed in; empty where unknown.
  const std::string& field() const { return field_; }
  // The same error, naming `field`.
  NumberTextError InField(std::string field) const { return {text_, kind_, std::move(field)}; }

 private:
  std::string text_;
  NumberKind kind_;
  std::string field_;
};

// Fixed notation with `decimals` digits after the separator, the value first
// rounded to `precision` significant digits; halves of the last shown digit
// round away from zero. A value whose integer part has more digits than
// `precision` comes out in exponent form ("1.5E20"). A value that rounds to
// zero carries no minus sign. Precision is held to 1..18, decimals to 0..18.
std::string FormatFixed(double value, int decimals, int precision, char separator);

// The shortest plain or exponent form with up to 15 significant digits:
// 0.1f widened to double gives "0.100000001490116", 1e-6 gives "1E-6".
std::string FormatGeneral(double value, char separator);

// The double of the shortest decimal that reads back as `value`, for printing
// a 32-bit float: 6.894745f gives 6.894745, not its widening 6.89474534988403.
double ShortestDecimal(float value);

// Optional sign, digits with at most one `separator`, an optional exponent
// ("E" or "e"), blanks around. At least one mantissa digit is required; a
// value beyond the range of double is refused as well.
double ParseNumber(std::string_view text, char separator);

// Decimal digits with an optional sign, blanks around.
long long ParseInteger(std::string_view text);

// What `parse` returns; a text that is not a number is reported as typed in
// the field captioned `field`.
template <typename Parse>
auto ParseInField(std::string field, Parse parse) -> decltype(parse()) {
  try {
    return parse();
  } catch (const NumberTextError& error) {
    throw error.InField(std::move(field));
  }
}

}  // namespace tarnwick
