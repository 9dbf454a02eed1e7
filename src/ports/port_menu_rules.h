#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// Orders port names by the number all their digits form, in order ("A1B2" by
// 12, a name without digits by 0); names with equal numbers keep their order.
void SortPortsByNumber(std::vector<std::string>& portNames);

// The caption of a port's menu item: a blank and the accelerator mark before
// the first digit, so "COM3" reads "COM &3" with the 3 underlined. A name
// without a digit reads as it is, without an accelerator. An "&" of the name
// itself is shown, never taken as a mark.
std::string PortMenuCaption(std::string_view portName);

// The COM number a port's menu item chooses: the digits from the first digit
// on ("COM3" gives 3, "COM3A" 3); 0 when the name has no digit or the number
// does not fit.
int PortMenuNumber(std::string_view portName);

// Positions in the Port menu: the first item opens the port dialog, port
// entry k (from 0) is item k + 1.
inline constexpr int kNoPortMenuItem = -1;
inline constexpr int kSetComPortItem = 0;

// The item the Port menu marks when it is built with port entries of the
// given numbers, in menu order: the last entry of `comPortNumber`; else, when
// there is any entry, the first item (choosing it makes the COM number 0, no
// present port chosen); else none, and the COM number stays. An entry of
// number 0 has no digits to open and never counts as the chosen port.
int PortMenuItemToMark(const std::vector<int>& entryNumbers, int comPortNumber);

}  // namespace tarnwick
