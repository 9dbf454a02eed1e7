#pragma once

#include <nlohmann/json.hpp>

#include "bus/device_identity.h"

namespace tarnwick::cli {

nlohmann::ordered_json IdentityJson(const DeviceIdentity& identity);
// One object on one line of stdout.
void PrintJson(const nlohmann::ordered_json& object);

}  // namespace tarnwick::cli
