#include "ports/port_names.h"

#include <cctype>
#include <charconv>

namespace tarnwick {

std::string ComPortName(int comNumber) { return "COM" + std::to_string(comNumber); }

int TrailingNumber(std::string_view portName) {
  std::size_t start = portName.size();
  while (start > 0 && std::isdigit(static_cast<unsigned char>(portName[start - 1]))) --start;
  if (start == portName.size()) return 0;
  int value = 0;
  const auto [end, ec] =
      std::from_chars(portName.data() + start, portName.data() + portName.size(), value);
  return ec == std::errc{} ? value : 0;
}

int CanonicalNumber(std::string_view digits) {
  if (digits.empty() || (digits.size() > 1 && digits.front() == '0')) return -1;
  int value = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec != std::errc{} || end != digits.data() + digits.size()) return -1;
  return value;
}

}  // namespace tarnwick
