#include "cli/json_output.h"

#include <charconv>
#include <iostream>

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

double JsonFloat(float value) {
  char text[32];
  const auto written = std::to_chars(text, text + sizeof text, value);
  double shortest = 0.0;
  std::from_chars(text, written.ptr, shortest);
  return shortest;
}

}  // namespace tarnwick::cli
