#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "programming/program_address_range.h"

namespace tarnwick::cli {

// Follows the factory programming of an address range: one JSON line per
// address and pass as the engine reports it served,
//   {"pass":2,"step":"write","address":4}
// and the addresses the last pass (the transfer) has served.
class FactoryProgress {
 public:
  void Served(RangePass pass, std::uint8_t address);

  // After a successful run, every address of the range in order.
  const std::vector<int>& transferred() const { return transferred_; }

  // What a run cut short has left in the programmers, for the stop's message.
  std::string StoppedText() const;

 private:
  std::vector<int> written_;
  std::vector<int> transferred_;
};

}  // namespace tarnwick::cli
