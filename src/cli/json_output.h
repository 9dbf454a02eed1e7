#pragma once

#include <nlohmann/json.hpp>

#include "bus/device_identity.h"

namespace tarnwick::cli {

nlohmann::ordered_json IdentityJson(const DeviceIdentity& identity);
// One object on one line of stdout.
void PrintJson(const nlohmann::ordered_json& object);

// A 32-bit float as the shortest decimal that reads back as the same float,
// so that 6.894745f prints as 6.894745 and not as its double widening.
double JsonFloat(float value);

}  // namespace tarnwick::cli
