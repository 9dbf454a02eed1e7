// tarnwick-cli read against running simulators: what it prints for each family.
#include "e2e_support.h"

namespace tarnwick::testing {
namespace {

using nlohmann::json;

class CliRead : public E2eTest {};

struct ReadCase {
  std::vector<std::string> simOptions;
  std::vector<std::string> readOptions;
  const char* expected;  // keys and values the printed object includes; null: absent
};

TEST_F(CliRead, PrintsEachFamilyAsTheConsoleWouldShowIt) {
  const std::vector<ReadCase> cases{
      {{"--busy-polls", "0"}, {}, R"j({"family":1,"device":"LX-60 MB",
          "attachedSwitch":{"type":"60.1","version":"2.4"},"serialNumber":310042,"busAddress":1,
          "pressureRange":{"minBar":0,"maxBar":10,"text":"0.00 ... 10.00"},
          "analogOutput":{"minVolts":0.5,"maxVolts":4.5,"present":true},
          "switch1":{"present":true,"outputType":"PNP","function":"Hysteresis","contact":"NO",
              "high":"6.00","highBar":6,"low":"5.00","lowBar":5,"closingDelay":0.5,
              "closingDelaySteps":25,"openingDelay":1.0,"openingDelaySteps":50},
          "switch2":{"present":true,"outputType":"NPN","function":"Window","contact":"NO",
              "high":"5.00","highBar":5,"low":"3.00","lowBar":3,"closingDelay":0.0,
              "closingDelaySteps":0,"openingDelay":0.2,"openingDelaySteps":10},
          "factoryReadBack":null})j"},
      // Read at 250 whatever address it answers; no delays, output types or analog output.
      {{"--family", "2", "--address", "7"}, {"--address", "7", "--unit", "PSI"}, R"j({
          "device":"QM-4 KX","busAddress":7,"analogOutput":null,
          "pressureRange":{"minBar":0,"maxBar":16,"text":"0.0 ... 232.1"},
          "switch1":{"function":"Hysteresis","contact":"NO",
              "high":"116.0","highBar":8,"low":"101.5","lowBar":7}})j"},
      // Delays in whole seconds, the range with three decimals, the level unit.
      {{"--family", "4"}, {"--unit", "bar"}, R"j({"device":"Morvik","busAddress":null,
          "levelUnit":{"index":0,"text":"Liter (l)"},
          "switch1":{"function":"Hysteresis","contact":"NO","high":"800","highBar":800,
              "low":"700","lowBar":700,"closingDelay":5.0,"closingDelaySteps":5,
              "openingDelay":2.0,"openingDelaySteps":2}})j"},
  };
  std::vector<std::unique_ptr<SimProcess>> sims;
  std::vector<std::vector<std::string>> reads;
  for (const ReadCase& c : cases) {
    std::vector<std::string> options{"--instant"};
    options.insert(options.end(), c.simOptions.begin(), c.simOptions.end());
    sims.push_back(std::make_unique<SimProcess>(kSimProgram, options));
    reads.push_back({"read", "--port", sims.back()->portName()});
    reads.back().insert(reads.back().end(), c.readOptions.begin(), c.readOptions.end());
  }
  const std::vector<ProgramResult> runs = CliSideBySide(reads);
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(runs[i].out + runs[i].err);
    EXPECT_EQ(runs[i].exitStatus, 0);
    EXPECT_EQ(runs[i].err, "");
    ExpectIncludes(json::parse(runs[i].out, nullptr, false), json::parse(cases[i].expected));
  }
}

TEST_F(CliRead, NoSwitchAtTheProgrammerIsAnsweredCancelUnlessRetriesAreAllowed) {
  SimProcess sim(kSimProgram, {"--instant", "--busy-polls", "0", "--fault", "no-switch"});
  const ProgramResult run = Cli({"read", "--port", sim.portName(), "--retry-no-switch", "1"});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.out, "");
  const std::string question = "No Pressure Switch connected to the programmer! Read-out again?";
  EXPECT_EQ(run.err, Reason(question + " OK (question 1)") +
                         Reason(question + " Cancel (question 2)") +
                         Reason(question + " Cancel (--retry-no-switch N searches again N times)"));
}

TEST_F(CliRead, FailuresPrintTheConsolesMessageAndExit1) {
  SimProcess refusing(kSimProgram, {"--instant", "--family", "2", "--fault", "exception:2",
                                    "--fault", "only-function:100"});
  SimProcess unsupported(kSimProgram, {"--instant", "--family", "4", "--version", "6.3"});
  const std::vector<ProgramResult> runs = CliSideBySide(
      {{"read", "--port", refusing.portName()}, {"read", "--port", unsupported.portName()}});
  const std::string expected[] = {
      "Error during reading!",
      "Device not supported by this software! (identity 15.1, version 6.3)",
  };
  for (std::size_t i = 0; i < runs.size(); ++i) {
    EXPECT_EQ(runs[i].exitStatus, 1);
    EXPECT_EQ(runs[i].out, "");
    EXPECT_EQ(runs[i].err, Reason(expected[i]));
  }
}

}  // namespace
}  // namespace tarnwick::testing
