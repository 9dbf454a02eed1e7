#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tarnwick {

// The one exception for text that is not a number. The console's central
// handler shows what() in an error box and the action ends there.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
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

// Optional sign, digits with at most one `separator`, an optional exponent
// ("E" or "e"), blanks around. At least one mantissa digit is required; a
// value beyond the range of double is refused as well.
double ParseNumber(std::string_view text, char separator);

// Decimal digits with an optional sign, blanks around.
long long ParseInteger(std::string_view text);

}  // namespace tarnwick
