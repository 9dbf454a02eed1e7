#include "view/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>
#include <utility>

#include "texts/message_table.h"
#include "view/number_error_text.h"

namespace tarnwick {
namespace {

constexpr int kMaxPrecision = 18;
constexpr int kMaxDecimals = 18;
constexpr int kGeneralPrecision = 15;
// Plain notation in the general format reaches down to 0.00001.
constexpr int kGeneralLowestIntegerDigits = -4;

// |value| = 0.digits x 10^integerDigits, digits rounded to the precision asked.
struct SignificantDigits {
  bool negative = false;
  std::string digits;
  int integerDigits = 0;
};

// std::to_chars, unlike printf, ignores the C locale the toolkit may have set.
SignificantDigits RoundToSignificant(double value, int precision) {
  char buffer[40];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                     std::chars_format::scientific, precision - 1);
  const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
  const std::size_t exponentMark = text.find('e');

  SignificantDigits result;
  result.negative = std::signbit(value);
  for (char c : text.substr(0, exponentMark)) {
    if (c != '.') result.digits += c;
  }
  std::string_view exponentText = text.substr(exponentMark + 1);
  if (exponentText.front() == '+') exponentText.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
  result.integerDigits = exponent + 1;
  return result;
}

void StripTrailingZeros(std::string& digits) {
  const std::size_t last = digits.find_last_not_of('0');
  digits.erase(last == std::string::npos ? 1 : last + 1);
}

std::string ExponentForm(SignificantDigits rounded, char separator) {
  StripTrailingZeros(rounded.digits);
  std::string text = rounded.negative ? "-" : "";
  text += rounded.digits.front();
  if (rounded.digits.size() > 1) {
    text += separator;
    text += rounded.digits.substr(1);
  }
  text += 'E';
  text += std::to_string(rounded.integerDigits - 1);
  return text;
}

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

// Adds one unit of the last digit; "999" becomes "1000".
void CarryOne(std::string& digits) {
  for (auto position = digits.rbegin(); position != digits.rend(); ++position) {
    if (*position != '9') {
      ++*position;
      return;
    }
    *position = '0';
  }
  digits.insert(digits.begin(), '1');
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSign(char c) { return c == '+' || c == '-'; }

std::string_view TrimBlanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Copies the sign (a minus only, as std::from_chars wants it) and the digits
// that follow; returns how many digits were copied.
int CopySignedDigits(std::string_view text, std::size_t& position, std::string& out) {
  if (position < text.size() && IsSign(text[position])) {
    if (text[position] == '-') out += '-';
    ++position;
  }
  int count = 0;
  while (position < text.size() && IsDigit(text[position])) {
    out += text[position++];
    ++count;
  }
  return count;
}

}  // namespace

NumberTextError::NumberTextError(std::string_view text, NumberKind kind, std::string field)
    : std::runtime_error(NumberErrorMessage(text, kind, field, kLanguageEnglish)),
      text_(text),
      kind_(kind),
      field_(std::move(field)) {}

std::string FormatFixed(double value, int decimals, int precision, char separator) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  precision = std::clamp(precision, 1, kMaxPrecision);
  decimals = std::clamp(decimals, 0, kMaxDecimals);

  const SignificantDigits rounded = RoundToSignificant(value, precision);
  if (rounded.integerDigits > precision) return ExponentForm(rounded, separator);

  const auto digitOfWeight = [&rounded](int power) {
    const int index = rounded.integerDigits - 1 - power;
    const bool inside = index >= 0 && index < static_cast<int>(rounded.digits.size());
    return inside ? rounded.digits[static_cast<std::size_t>(index)] : '0';
  };
  std::string fixed;
  for (int power = std::max(rounded.integerDigits - 1, 0); power >= -decimals; --power) {
    fixed += digitOfWeight(power);
  }
  if (digitOfWeight(-decimals - 1) >= '5') CarryOne(fixed);

  const bool isZero = fixed.find_first_not_of('0') == std::string::npos;
  const std::size_t integerLength = fixed.size() - static_cast<std::size_t>(decimals);
  std::string text = rounded.negative && !isZero ? "-" : "";
  text += fixed.substr(0, integerLength);
  if (decimals > 0) {
    text += separator;
    text += fixed.substr(integerLength);
  }
  return text;
}

std::string FormatGeneral(double value, char separator) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  if (value == 0) return "0";

  SignificantDigits rounded = RoundToSignificant(value, kGeneralPrecision);
  if (rounded.integerDigits > kGeneralPrecision ||
      rounded.integerDigits < kGeneralLowestIntegerDigits) {
    return ExponentForm(rounded, separator);
  }
  StripTrailingZeros(rounded.digits);
  const std::string& digits = rounded.digits;
  const int integerDigits = rounded.integerDigits;
  const int digitCount = static_cast<int>(digits.size());

  std::string text = rounded.negative ? "-" : "";
  if (integerDigits <= 0) {
    text += '0';
    text += separator;
    text.append(static_cast<std::size_t>(-integerDigits), '0');
    text += digits;
  } else if (integerDigits >= digitCount) {
    text += digits;
    text.append(static_cast<std::size_t>(integerDigits - digitCount), '0');
  } else {
    const auto split = static_cast<std::size_t>(integerDigits);
    text += digits.substr(0, split);
    text += separator;
    text += digits.substr(split);
  }
  return text;
}

double ShortestDecimal(float value) {
  char text[32];
  const auto written = std::to_chars(text, text + sizeof text, value);
  double shortest = 0.0;
  std::from_chars(text, written.ptr, shortest);
  return shortest;
}

double ParseNumber(std::string_view text, char separator) {
  const std::string_view body = TrimBlanks(text);
  std::string plain;
  std::size_t position = 0;
  int mantissaDigits = CopySignedDigits(body, position, plain);
  if (position < body.size() && body[position] == separator) {
    plain += '.';
    ++position;
    while (position < body.size() && IsDigit(body[position])) {
      plain += body[position++];
      ++mantissaDigits;
    }
  }
  if (mantissaDigits == 0) throw NumberTextError(text, NumberKind::kFloat);
  if (position < body.size() && (body[position] == 'E' || body[position] == 'e')) {
    plain += 'e';
    ++position;
    if (CopySignedDigits(body, position, plain) == 0)
      throw NumberTextError(text, NumberKind::kFloat);
  }
  if (position != body.size()) throw NumberTextError(text, NumberKind::kFloat);

  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc{} || end != plain.data() + plain.size()) {
    throw NumberTextError(text, NumberKind::kFloat);
  }
  return value;
}

long long ParseInteger(std::string_view text) {
  const std::string_view body = TrimBlanks(text);
  std::string plain;
  std::size_t position = 0;
  if (CopySignedDigits(body, position, plain) == 0 || position != body.size()) {
    throw NumberTextError(text, NumberKind::kInteger);
  }
  long long value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc{} || end != plain.data() + plain.size())
    throw NumberTextError(text, NumberKind::kInteger);
  return value;
}

}  // namespace tarnwick
