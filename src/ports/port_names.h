#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

// "COM<n>", the name the console shows and opens.
std::string ComPortName(int comNumber);

// The number formed by the decimal digits at the end of `portName` ("COM12"
// gives 12); 0 when it does not end in a digit or the number does not fit.
int TrailingNumber(std::string_view portName);

// A decimal number written the way the kernel and the port links write it: no
// sign, no leading zero. -1 for anything else.
int CanonicalNumber(std::string_view digits);

}  // namespace tarnwick
