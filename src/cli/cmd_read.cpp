#include "cli/cli_args.h"
#include "cli/cli_commands.h"
#include "cli/cli_link.h"
#include "cli/cli_observer.h"
#include "cli/cli_options.h"
#include "cli/failure_report.h"
#include "cli/json_output.h"
#include "cli/read_device.h"
#include "cli/readout_json.h"

namespace tarnwick::cli {

int RunRead(const std::vector<std::string>& words, const CliContext& context) {
  const CliArgs args(words, {"port", "address", "unit", "retry-no-switch"}, {"factory"});
  const std::uint8_t address = AddressOption(args);
  const PressureUnit unit = UnitOption(args);
  CliObserver observer(RetryNoSwitchOption(args));
  CliLink link(args.Required("port"), context);

  int failureStatus = kExitFailure;
  const auto readout = ReadDevice(link, address, args.Has("factory"), observer, failureStatus);
  if (!readout) return failureStatus;
  link.Close();
  PrintJson(ReadoutJson(*readout, address, unit));
  return 0;
}

}  // namespace tarnwick::cli
