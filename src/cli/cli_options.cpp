#include "cli/cli_options.h"

#include "bus/protocol_numbers.h"

namespace tarnwick::cli {
namespace {

constexpr long long kMaxReadAgain = 1000;

}  // namespace

std::uint8_t AddressOption(const CliArgs& args) {
  return static_cast<std::uint8_t>(args.Integer("address", kDefaultBusAddress, 0, 255));
}

PressureUnit UnitOption(const CliArgs& args) {
  const auto text = args.Optional("unit");
  if (!text) return PressureUnit::kBar;
  const auto unit = ParsePressureUnit(*text);
  if (!unit) throw UsageError("option '--unit' must be bar, PSI or MPa, not '" + *text + "'");
  return *unit;
}

int RetryNoSwitchOption(const CliArgs& args) {
  return static_cast<int>(args.Integer("retry-no-switch", 0, 0, kMaxReadAgain));
}

}  // namespace tarnwick::cli
