#include <iostream>

#include "cli/cli_args.h"
#include "cli/cli_commands.h"
#include "cli/cli_link.h"
#include "cli/cli_options.h"
#include "cli/json_output.h"
#include "device/identification.h"

namespace tarnwick::cli {
namespace {

// What the last identification attempt met, in the technician's words.
std::string ExchangeFailure(BusResult result, const std::string& where) {
  switch (result) {
    case BusResult::kNoAnswer:
      return "no answer from " + where;
    case BusResult::kBadReply:
      return "the device at " + where +
             " answered with a malformed reply (wrong checksum, too short, or garbage)";
    case BusResult::kBroadcastSent:
      return where + " is the broadcast address, which no device answers";
    default:
      break;
  }
  if (IsDeviceException(result)) {
    return "the device at " + where + " answered with exception code " +
           std::to_string(BusResultCode(result));
  }
  return std::string("the exchange with ") + where + " failed: " + BusResultName(result);
}

std::string UnsupportedDevice(const DeviceIdentity& identity, const std::string& where) {
  const FamilyMatch match = FamilyOf(identity);
  return "the device at " + where + " (identity " + std::to_string(identity.Class) + "." +
         std::to_string(identity.Group) + ", version " + std::to_string(identity.VersionMajor) +
         "." + std::to_string(identity.VersionMinor) + ") is " +
         (match.versionRefused() ? "a known device with an unsupported software version"
                                 : "not a supported device");
}

}  // namespace

int RunIdentify(const std::vector<std::string>& words, const CliContext& context) {
  const CliArgs args(words, {"port", "address"}, {});
  const std::uint8_t address = AddressOption(args);
  CliLink link(args.Required("port"), context);

  DeviceIdentity identity;
  DeviceFamily family = DeviceFamily::kNone;
  BusResult result = BusResult::kOpenFailed;
  std::string failure;
  if (link.Open(failure)) {
    const EngineOutcome outcome = IdentifyDevice(link.bus(), address, identity, family, &result);
    link.Close();
    const std::string where = "address " + std::to_string(address) + " on " + link.name();
    if (outcome.message == kMsgNoAnswer) {
      failure = ExchangeFailure(result, where);
    } else if (!outcome.succeeded()) {
      failure = UnsupportedDevice(identity, where);
    }
  }
  if (link.Stopped()) return link.Fail(failure);

  PrintJson({{"result", BusResultCode(result)},
             {"identity", IdentityJson(identity)},
             {"family", family}});
  if (!failure.empty()) {
    std::cerr << "tarnwick-cli: " << failure << std::endl;
    return 1;
  }
  return 0;
}

}  // namespace tarnwick::cli
