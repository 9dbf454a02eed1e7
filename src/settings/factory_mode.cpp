#include "settings/factory_mode.h"

namespace tarnwick {

bool IsFactoryCommandLine(const std::vector<std::string>& arguments) {
  std::string joined;
  for (const auto& argument : arguments) {
    joined += argument;
    joined += ' ';
  }
  for (char& c : joined) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return joined.find(kFactoryWord) != std::string::npos;
}

}  // namespace tarnwick
