#include "cli/cli_args.h"

#include <gtest/gtest.h>

#include <functional>

#include "cli/cli_options.h"

namespace tarnwick::cli {
namespace {

CliArgs Args(const std::vector<std::string>& words) {
  return CliArgs(words, {"port", "address", "unit", "count", "retry-no-switch"}, {"factory"});
}

TEST(CliArgs, ReadsValuesFlagsAndNumbers) {
  const CliArgs args = Args({"--port", "COM3", "--factory", "--count", "12", "--address", "7"});
  EXPECT_EQ(args.Required("port"), "COM3");
  EXPECT_TRUE(args.Has("factory"));
  EXPECT_FALSE(args.Has("unit"));
  EXPECT_EQ(args.Optional("unit"), std::nullopt);
  EXPECT_EQ(args.Integer("count", 0, 1, 100), 12);
  EXPECT_EQ(args.Integer("retry-no-switch", 7, 0, 100), 7);
  EXPECT_EQ(AddressOption(args), 7);
  EXPECT_EQ(UnitOption(args), PressureUnit::kBar);
  EXPECT_EQ(AddressOption(Args({})), 250);
  EXPECT_EQ(UnitOption(Args({"--unit", "MPa"})), PressureUnit::kMpa);
}

TEST(CliArgs, EveryMistakeIsAUsageErrorThatSaysWhat) {
  struct Mistake {
    std::function<void()> parse;
    std::string message;
  };
  const Mistake mistakes[] = {
      {[] { Args({"COM3"}); }, "unexpected argument 'COM3'"},
      {[] {
         Args({"--baud", "9600"});
       },
       "unknown option '--baud'"},
      {[] { Args({"--port"}); }, "option '--port' needs a value"},
      {[] {
         Args({"--port", "COM3", "--port", "COM4"});
       },
       "option '--port' given twice"},
      {[] { Args({}).Required("port"); }, "option '--port' is required"},
      {[] {
         Args({"--count", "3x"}).Integer("count", 0, 1, 10);
       },
       "option '--count' needs a whole number, not '3x'"},
      {[] {
         Args({"--count", ""}).Integer("count", 0, 1, 10);
       },
       "option '--count' needs a whole number, not ''"},
      {[] {
         Args({"--count", "0"}).Integer("count", 0, 1, 10);
       },
       "option '--count' must lie between 1 and 10"},
      {[] {
         AddressOption(Args({"--address", "256"}));
       },
       "option '--address' must lie between 0 and 255"},
      {[] {
         UnitOption(Args({"--unit", "psi"}));
       },
       "option '--unit' must be bar, PSI or MPa, not 'psi'"},
      {[] {
         RetryNoSwitchOption(Args({"--retry-no-switch", "-1"}));
       },
       "option '--retry-no-switch' must lie between 0 and 1000"},
  };
  for (const Mistake& m : mistakes) {
    try {
      m.parse();
      ADD_FAILURE() << "accepted; expected: " << m.message;
    } catch (const UsageError& error) {
      EXPECT_EQ(error.what(), m.message);
    }
  }
}

}  // namespace
}  // namespace tarnwick::cli
