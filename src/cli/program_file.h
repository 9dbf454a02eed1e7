#pragma once

#include <array>
#include <nlohmann/json.hpp>
#include <optional>

#include "device/pressure_units.h"
#include "programming/program_and_read_back.h"
#include "programming/programming_inputs.h"

namespace tarnwick::cli {

// What `program` takes from its file: the JSON `read` printed, edited. It
// names the device (family, identity, serial number), the unit its shown
// pressures are in, and per switch the function, contact, switch points and,
// for families 1 and 4, delays. A point may be given in bar ("highBar") or as
// shown in the unit ("high"); when both are there they must agree at the
// shown decimals. Likewise a delay in steps or in seconds.
struct ProgramRequest {
  ProgrammingTarget target;
  PressureUnit unit = PressureUnit::kBar;
  NormalProgramInputs inputs;
  // Whether the console shows the switch's tab, and so checks the order of
  // its points: a family-1 switch only when present.
  std::array<bool, 2> switchShown{true, true};
};

// Throws FileError naming the key for a missing key, a value of the wrong type
// or out of range, or a device this program does not support.
ProgramRequest ParseProgramRequest(const nlohmann::json& file);

// The first switch (1 or 2) on a shown tab whose high point is not above its
// low point; programming must refuse such a request before it opens the link.
std::optional<int> SwitchPointsOutOfOrder(const ProgramRequest& request);

}  // namespace tarnwick::cli
