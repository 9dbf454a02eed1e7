#include <nlohmann/json.hpp>

#include "bus/device_commands.h"
#include "bus/protocol_numbers.h"
#include "cli/cli_args.h"
#include "cli/cli_commands.h"
#include "cli/cli_link.h"
#include "cli/failure_report.h"
#include "cli/json_output.h"
#include "device/identification.h"

namespace tarnwick::cli {
namespace {

constexpr long long kFirstStation = 1;
constexpr long long kLastStation = 255;

// The station at `address`, when it answers.
std::optional<nlohmann::ordered_json> StationAt(BusLink& link, std::uint8_t address) {
  DeviceIdentity identity;
  if (Identify(link, address, identity) != BusResult::kOk) return std::nullopt;
  const FamilyMatch match = FamilyOf(identity);
  std::int32_t serialNumber = 0;
  const bool serialRead = ReadSerialNumber(link, address, serialNumber) == BusResult::kOk;
  return nlohmann::ordered_json{{"address", address},
                                {"identity", IdentityJson(identity)},
                                {"family", match.supported() ? match.family : DeviceFamily::kNone},
                                {"serialNumber", serialRead ? nlohmann::ordered_json(serialNumber)
                                                            : nlohmann::ordered_json()}};
}

}  // namespace

int RunScan(const std::vector<std::string>& words, const CliContext& context) {
  const CliArgs args(words, {"port", "from", "to"}, {});
  const long long first = args.Integer("from", kFirstStation, kFirstStation, kLastStation);
  const long long last = args.Integer("to", kLastStation, kFirstStation, kLastStation);
  if (first > last) throw UsageError("option '--from' must not lie above '--to'");
  CliLink link(args.Required("port"), context);

  std::string openError;
  if (!link.Open(openError)) return link.Fail(OpenFailureText(openError));
  for (long long address = first; address <= last; ++address) {
    // Every station answers the default address, all at once.
    if (address == kDefaultBusAddress) continue;
    const auto station = StationAt(link.bus(), static_cast<std::uint8_t>(address));
    if (link.Stopped()) {
      return link.Fail(std::string{}, "addresses " + std::to_string(address) + " to " +
                                          std::to_string(last) + " were not scanned");
    }
    if (station) PrintJson(*station);
  }
  link.Close();
  return 0;
}

}  // namespace tarnwick::cli
