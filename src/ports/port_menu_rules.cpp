#include "ports/port_menu_rules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <limits>

namespace tarnwick {
namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Saturates rather than wraps, so that a name with very many digits still
// sorts after every ordinary one.
std::uint64_t SortKey(std::string_view portName) {
  constexpr std::uint64_t kLargest = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t key = 0;
  for (const char c : portName) {
    if (!IsDigit(c)) continue;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    key = key > (kLargest - digit) / 10 ? kLargest : key * 10 + digit;
  }
  return key;
}

}  // namespace

void SortPortsByNumber(std::vector<std::string>& portNames) {
  std::stable_sort(
      portNames.begin(), portNames.end(),
      [](const std::string& a, const std::string& b) { return SortKey(a) < SortKey(b); });
}

std::string PortMenuCaption(std::string_view portName) {
  std::string caption;
  bool marked = false;
  for (const char c : portName) {
    if (!marked && IsDigit(c)) {
      caption += " &";
      marked = true;
    }
    caption += c;
    if (c == '&') caption += '&';
  }
  return caption;
}

int PortMenuNumber(std::string_view portName) {
  const auto first = std::find_if(portName.begin(), portName.end(), IsDigit);
  if (first == portName.end()) return 0;
  int number = 0;
  const char* start = portName.data() + (first - portName.begin());
  const auto [end, ec] = std::from_chars(start, portName.data() + portName.size(), number);
  return ec == std::errc{} ? number : 0;
}

int PortMenuItemToMark(const std::vector<int>& entryNumbers, int comPortNumber) {
  for (auto k = entryNumbers.size(); k > 0; --k) {
    const int number = entryNumbers[k - 1];
    if (number != 0 && number == comPortNumber) return static_cast<int>(k);
  }
  return entryNumbers.empty() ? kNoPortMenuItem : kSetComPortItem;
}

}  // namespace tarnwick
