#pragma once

#include <cstdint>
#include <variant>
#include <vector>

#include "device/config_codec.h"
#include "device/device_readout.h"
#include "programming/programming_inputs.h"

namespace tarnwick {

// After normal-mode programming the device is read back. A device that takes
// the values without complaint but keeps others must not pass for programmed,
// so what was written is compared with what the read-back holds.

enum class ProgrammedField : std::uint8_t {
  kHighPoint,
  kLowPoint,
  kFunction,
  kContact,
  kClosingDelay,
  kOpeningDelay,
};

// A delay in the family's device steps (0.02 s, or whole seconds for family 4).
struct DelaySteps {
  std::uint8_t steps = 0;

  bool operator==(const DelaySteps&) const = default;
};

// A field's value: a switch point in bar, a delay, a function or a contact;
// nothing where the device holds a code that names no function or contact.
using ProgrammedValue =
    std::variant<std::monostate, float, DelaySteps, SwitchFunction, SwitchContact>;

struct ProgrammingDifference {
  int switchNumber = 1;  // 1 or 2
  ProgrammedField field = ProgrammedField::kHighPoint;
  ProgrammedValue written;
  ProgrammedValue read;

  bool operator==(const ProgrammingDifference&) const = default;
};

// The fields of `written` that `readBack` (of family 1, 2 or 4) does not hold,
// switch 1 first, each switch in the order of ProgrammedField. Switch points
// count as equal within a few float ulps. Function and contact are compared
// only where the written selection decided them: families 1 and 4 through the
// function code (no code applied, the device's own was written back), family 2
// through the mode byte; a contact only where the device holds one (where it
// holds none, the function differs already). Family 2 has no delays. Any other
// family gives no differences.
std::vector<ProgrammingDifference> CompareWithReadBack(const NormalProgramInputs& written,
                                                       const DeviceReadout& readBack);

}  // namespace tarnwick
