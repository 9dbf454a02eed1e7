#include "cli/json_output.h"

#include <iostream>

#include "view/number_text.h"

namespace tarnwick::cli {

nlohmann::ordered_json IdentityJson(const DeviceIdentity& identity) {
  return {{"class", identity.Class},
          {"group", identity.Group},
          {"versionMajor", identity.VersionMajor},
          {"versionMinor", identity.VersionMinor},
          {"spare1", identity.Spare1},
          {"spare2", identity.Spare2}};
}

void PrintJson(const nlohmann::ordered_json& object) { std::cout << object.dump() << std::endl; }

double JsonFloat(float value) { return ShortestDecimal(value); }

}  // namespace tarnwick::cli
