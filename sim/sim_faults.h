#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace tarnwick {

// Faults of one station, set and cleared at run time. The reply faults (the
// first group) can be limited to one function number and to one first data
// byte (a coefficient, parameter, register or channel number), so that a test
// can break one command in the middle of a sequence.
struct StationFaults {
  bool silent = false;                                   // the station neither answers nor acts
  bool corruptCrc = false;                               // one CRC byte of the reply is wrong
  std::optional<std::uint8_t> exception = std::nullopt;  // answer with this exception code instead
  int shortReplyBy = 0;                          // drop this many data bytes, CRC still valid
  std::vector<std::uint8_t> garbageBefore = {};  // bytes on the line ahead of the reply
  std::optional<std::uint8_t> onlyFunction = std::nullopt;
  std::optional<std::uint8_t> onlyIndex = std::nullopt;

  // Programmer faults (family 1), not limited by the filters above.
  bool programmerBusyForever = false;                   // every status poll reports a running job
  bool noSwitch = false;                                // no pressure switch on the programmer
  std::optional<int> removeSwitchAfter = std::nullopt;  // the switch goes after this many requests

  // Writes of this coefficient, parameter or register are answered as taken,
  // but the station keeps what it held; not limited by the filters above.
  std::optional<std::uint8_t> ignoredWrite = std::nullopt;

  bool operator==(const StationFaults&) const = default;
};

}  // namespace tarnwick
