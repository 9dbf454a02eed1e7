#include <chrono>
#include <limits>

#include "cli/cli_args.h"
#include "cli/cli_commands.h"
#include "cli/cli_link.h"
#include "cli/cli_observer.h"
#include "cli/cli_options.h"
#include "cli/failure_report.h"
#include "cli/json_output.h"
#include "cli/live_display.h"
#include "cli/read_device.h"
#include "live/live_reading.h"

namespace tarnwick::cli {
namespace {

constexpr std::chrono::milliseconds kTickInterval{500};
constexpr long long kUntilStopped = 0;

}  // namespace

int RunLive(const std::vector<std::string>& words, const CliContext& context) {
  const CliArgs args(words, {"port", "address", "unit", "count", "retry-no-switch"}, {});
  const std::uint8_t address = AddressOption(args);
  const PressureUnit unit = UnitOption(args);
  const long long count = args.Integer("count", kUntilStopped, 1, std::numeric_limits<int>::max());
  CliObserver observer(RetryNoSwitchOption(args));
  CliLink link(args.Required("port"), context);

  int failureStatus = kExitFailure;
  const auto readout = ReadDevice(link, address, false, observer, failureStatus);
  if (!readout) return failureStatus;
  LiveDisplay display(*readout, unit);
  const float analogOutMin = readout->analogOutputRange ? readout->analogOutputRange->min : 0.0F;

  for (long long tick = 1; !link.Stopped(); ++tick) {
    // A tick that overruns its interval delays the next one; ticks never pile up.
    const auto nextTick = std::chrono::steady_clock::now() + kTickInterval;
    const LiveReading reading = LiveTick(link.bus(), readout->family, address, analogOutMin);
    if (link.Stopped()) break;
    if (!reading.outcome.succeeded()) return link.Fail(reading.outcome);
    PrintJson(display.Line(static_cast<int>(tick), reading));
    if (tick == count || !link.stop().WaitUntil(nextTick)) break;
  }
  link.Close();
  // Stopping is how the display is meant to end: every line printed is whole.
  return link.Stopped() ? link.stop().ExitStatus() : 0;
}

}  // namespace tarnwick::cli
