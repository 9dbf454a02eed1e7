#include <iostream>

#include "bus/functions.h"
#include "cli/cli_args.h"
#include "cli/cli_link.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "device/identification.h"

namespace tarnwick::cli {

int RunIdentify(const std::vector<std::string>& words) {
  const CliArgs args(words, {"port", "address"}, {});
  const auto address =
      static_cast<std::uint8_t>(args.Integer("address", kDefaultBusAddress, 0, 255));
  CliLink link(args.Required("port"));

  DeviceIdentity identity;
  int family = kFamilyNone;
  BusResult result = kBusOpenFailed;
  std::string failure;
  if (link.Open(failure)) {
    const EngineOutcome outcome = IdentifyDevice(address, link.clock(), identity, family, &result);
    link.Close();
    const std::string where = "address " + std::to_string(address) + " on " + link.name();
    if (outcome.message == kMsgNoAnswer) {
      failure = "no answer from " + where;
    } else if (!outcome.succeeded()) {
      const FamilyMatch match = FamilyOf(identity);
      failure = "the device at " + where + " (identity " + std::to_string(identity.Class) + "." +
                std::to_string(identity.Group) + ", version " +
                std::to_string(identity.VersionMajor) + "." +
                std::to_string(identity.VersionMinor) + ") is " +
                (match.versionRefused() ? "a known device with an unsupported software version"
                                        : "not a supported device");
    }
  }

  PrintJson({{"result", result}, {"identity", IdentityJson(identity)}, {"family", family}});
  if (!failure.empty()) {
    std::cerr << "tarnwick-cli: " << failure << std::endl;
    return 1;
  }
  return 0;
}

}  // namespace tarnwick::cli
