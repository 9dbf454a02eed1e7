#include <nlohmann/json.hpp>

#include "cli/cli_args.h"
#include "cli/cli_commands.h"
#include "cli/json_output.h"
#include "ports/port_names.h"
#include "ports/port_table.h"
#include "ports/system_port_table.h"

namespace tarnwick::cli {
namespace {

// What the machine does not tell is null, not an empty text.
nlohmann::ordered_json TextOrNull(const std::string& text) {
  return text.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(text);
}

nlohmann::ordered_json PortJson(const PortEntry& port) {
  return {{"comNumber", port.comNumber},           {"port", ComPortName(port.comNumber)},
          {"device", TextOrNull(port.devicePath)}, {"driver", TextOrNull(port.publishedName)},
          {"virtual", port.virtualPort},           {"vendor", TextOrNull(port.vendor)},
          {"product", TextOrNull(port.product)},   {"serial", TextOrNull(port.serial)}};
}

}  // namespace

int RunPorts(const std::vector<std::string>& words, const CliContext& context) {
  const CliArgs noOptions(words, {}, {});
  for (const PortEntry& port : MakeSystemPortTable(context.places)->PresentPorts())
    PrintJson(PortJson(port));
  return 0;
}

}  // namespace tarnwick::cli
