#pragma once

#include <string>
#include <vector>

namespace tarnwick {

inline constexpr char kFactoryWord[] = "WORKSHOP";

// The arguments (program path excluded) joined, each followed by one blank,
// and upper-cased: factory mode when the factory word appears anywhere in it,
// also inside a longer argument such as "/workshop" or "workshops".
bool IsFactoryCommandLine(const std::vector<std::string>& arguments);

}  // namespace tarnwick
