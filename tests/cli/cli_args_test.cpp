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
  EXPECT_EQ(args.Optional("unit"), std::nullopt);
  EXPECT_EQ(args.Integer("count", 0, 1, 100), 12);
  EXPECT_EQ(args.Integer("retry-no-switch", 7, 0, 100), 7);
  EXPECT_EQ(AddressOption(args), 7);
  EXPECT_EQ(UnitOption(args), PressureUnit::kBar);
  EXPECT_EQ(AddressOption(Args({})), 250);
  EXPECT_EQ(UnitOption(Args({"--unit", "MPa"})), PressureUnit::kMpa);
}

TEST(CliArgs, EveryMistakeIsAUsageErrorThatSaysWhat) {
  using Ask = std::function<void(const CliArgs&)>;
  const Ask port = [](const CliArgs& a) { a.Required("port"); };
  const Ask count = [](const CliArgs& a) { a.Integer("count", 0, 1, 10); };
  const Ask address = [](const CliArgs& a) { AddressOption(a); };
  const Ask unit = [](const CliArgs& a) { UnitOption(a); };
  const Ask retry = [](const CliArgs& a) { RetryNoSwitchOption(a); };
  struct Mistake {
    std::vector<std::string> words;
    Ask ask;
    std::string message;
  };
  const Mistake mistakes[] = {
      {{"COM3"}, {}, "unexpected argument 'COM3'"},
      {{"--baud", "9600"}, {}, "unknown option '--baud'"},
      {{"--port"}, {}, "option '--port' needs a value"},
      {{"--port", "COM3", "--port", "COM4"}, {}, "option '--port' given twice"},
      {{}, port, "option '--port' is required"},
      {{"--count", "3x"}, count, "option '--count' needs a whole number, not '3x'"},
      {{"--count", ""}, count, "option '--count' needs a whole number, not ''"},
      {{"--count", "0"}, count, "option '--count' must lie between 1 and 10"},
      {{"--address", "256"}, address, "option '--address' must lie between 0 and 255"},
      {{"--unit", "psi"}, unit, "option '--unit' must be bar, PSI or MPa, not 'psi'"},
      {{"--retry-no-switch", "-1"},
       retry,
       "option '--retry-no-switch' must lie between 0 and 1000"},
  };
  for (const Mistake& m : mistakes) {
    try {
      const CliArgs args = Args(m.words);
      if (m.ask) m.ask(args);
      ADD_FAILURE() << "accepted; expected: " << m.message;
    } catch (const UsageError& error) {
      EXPECT_EQ(error.what(), m.message);
    }
  }
}

}  // namespace
}  // namespace tarnwick::cli
