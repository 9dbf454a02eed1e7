// tarnwick-cli read against running simulators: what it prints for each family.
#include <memory>

#include "cli_e2e.h"

namespace tarnwick::testing {
namespace {

using nlohmann::json;

class CliRead : public CliTest {};

struct ReadCase {
  std::vector<std::string> simOptions;
  std::vector<std::string> readOptions;
  std::function<void(const json&)> check;
};

void PressureSwitchInBar(const json& r) {
  EXPECT_EQ(r["family"], 1);
  EXPECT_EQ(r["device"], "LX-60 MB");
  EXPECT_EQ(r["address"], 250);
  EXPECT_EQ(r["identity"], json::parse(R"({"class":12,"group":1,"versionMajor":5,
                                           "versionMinor":12,"spare1":0,"spare2":0})"));
  EXPECT_EQ(r["attachedSwitch"], json::parse(R"({"type":"60.1","version":"2.4"})"));
  EXPECT_EQ(r["serialNumber"], 310042);
  EXPECT_EQ(r["busAddress"], 1);
  EXPECT_EQ(r["unit"], "bar");
  EXPECT_EQ(r["decimals"], 2);
  EXPECT_EQ(r["pressureRange"], json::parse(R"({"minBar":0,"maxBar":10,"text":"0.00 ... 10.00"})"));
  EXPECT_EQ(r["temperatureRange"], json::parse(R"({"min":-25,"max":85})"));
  EXPECT_EQ(r["analogOutput"], json::parse(R"({"minVolts":0.5,"maxVolts":4.5,"present":true})"));
  EXPECT_EQ(r["switch1"], json::parse(R"({"present":true,"outputType":"PNP",
      "function":"Hysteresis","contact":"NO","high":"6.00","highBar":6,"low":"5.00","lowBar":5,
      "closingDelay":0.5,"closingDelaySteps":25,"openingDelay":1.0,"openingDelaySteps":50})"));
  EXPECT_EQ(r["switch2"], json::parse(R"({"present":true,"outputType":"NPN",
      "function":"Window","contact":"NO","high":"5.00","highBar":5,"low":"3.00","lowBar":3,
      "closingDelay":0.0,"closingDelaySteps":0,"openingDelay":0.2,"openingDelaySteps":10})"));
  EXPECT_FALSE(r.contains("factoryReadBack"));
  EXPECT_FALSE(r.contains("levelUnit"));
}

// PSI over a 10 bar range: one decimal; the read-back stays in bar.
void PressureSwitchForTheFactoryInPsi(const json& r) {
  EXPECT_EQ(r["unit"], "PSI");
  EXPECT_EQ(r["decimals"], 1);
  EXPECT_EQ(r["pressureRange"]["text"], "0.0 ... 145.0");
  EXPECT_EQ(r["switch1"]["high"], "87.0");
  EXPECT_EQ(r["switch1"]["highBar"], 6);
  EXPECT_EQ(r["factoryReadBack"], json::parse(R"({
      "pressureRange":{"minBar":0,"maxBar":10},"temperatureRange":{"min":-25,"max":85},
      "switch1":{"highBar":6,"lowBar":5,"outputTypeCode":2,"functionCode":1,
                 "closingDelaySteps":25,"openingDelaySteps":50},
      "switch2":{"highBar":5,"lowBar":3,"outputTypeCode":1,"functionCode":3,
                 "closingDelaySteps":0,"openingDelaySteps":10},
      "windowHysteresis":10})"));
}

// Read at 250 whatever address it answers; no delays, output types or analog output.
void SwitchDeviceInPsi(const json& r) {
  EXPECT_EQ(r["family"], 2);
  EXPECT_EQ(r["device"], "QM-4 KX");
  EXPECT_EQ(r["serialNumber"], 220311);
  EXPECT_EQ(r["busAddress"], 7);
  EXPECT_EQ(r["decimals"], 1);
  EXPECT_EQ(r["pressureRange"]["text"], "0.0 ... 232.1");
  EXPECT_EQ(r["switch1"], json::parse(R"({"function":"Hysteresis","contact":"NO",
      "high":"116.0","highBar":8,"low":"101.5","lowBar":7})"));
  EXPECT_EQ(r["switch2"]["function"], "Window");
  EXPECT_EQ(r["switch2"]["contact"], "NC");
  EXPECT_FALSE(r.contains("analogOutput"));
  EXPECT_FALSE(r.contains("attachedSwitch"));
}

// Delays in whole seconds, the range with three decimals, the level unit.
void LevelDeviceInBar(const json& r) {
  EXPECT_EQ(r["family"], 4);
  EXPECT_EQ(r["device"], "Morvik");
  EXPECT_EQ(r["serialNumber"], 400017);
  EXPECT_FALSE(r.contains("busAddress"));
  EXPECT_EQ(r["pressureRange"]["text"], "0.000 ... 1000.000");
  EXPECT_EQ(r["levelUnit"], json::parse(R"j({"index":0,"text":"Liter (l)"})j"));
  EXPECT_EQ(r["switch1"], json::parse(R"({"function":"Hysteresis","contact":"NO",
      "high":"800","highBar":800,"low":"700","lowBar":700,
      "closingDelay":5.0,"closingDelaySteps":5,"openingDelay":2.0,"openingDelaySteps":2})"));
}

TEST_F(CliRead, PrintsEachFamilyAsTheConsoleWouldShowIt) {
  const std::vector<ReadCase> cases{
      {{"--instant", "--busy-polls", "0"}, {}, PressureSwitchInBar},
      {{"--instant", "--busy-polls", "0"},
       {"--factory", "--unit", "PSI"},
       PressureSwitchForTheFactoryInPsi},
      {{"--instant", "--family", "2", "--address", "7"},
       {"--address", "7", "--unit", "PSI"},
       SwitchDeviceInPsi},
      {{"--instant", "--family", "4"}, {"--unit", "bar"}, LevelDeviceInBar},
  };
  // Side by side: each read costs the half second the link settles after opening.
  std::vector<std::unique_ptr<SimProcess>> sims;
  std::vector<std::unique_ptr<ProgramRun>> runs;
  for (const ReadCase& c : cases) {
    sims.push_back(std::make_unique<SimProcess>(kSimProgram, c.simOptions));
    std::vector<std::string> arguments{"read", "--port", sims.back()->portName()};
    arguments.insert(arguments.end(), c.readOptions.begin(), c.readOptions.end());
    runs.push_back(StartCli(arguments));
  }
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const ProgramResult run = runs[i]->Finish();
    SCOPED_TRACE(run.out + run.err);
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<json> lines = JsonLines(run.out);
    ASSERT_EQ(lines.size(), 1U);
    ASSERT_TRUE(lines[0].is_object());
    cases[i].check(lines[0]);
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
  SimProcess silent(kSimProgram, {"--instant", "--fault", "silent"});
  SimProcess refusing(kSimProgram, {"--instant", "--family", "2", "--fault", "exception:2",
                                    "--fault", "only-function:100"});
  SimProcess unsupported(kSimProgram, {"--instant", "--family", "4", "--version", "6.3"});
  const auto noAnswer = StartCli({"read", "--port", silent.portName()});
  const auto readFailed = StartCli({"read", "--port", refusing.portName()});
  const auto notSupported = StartCli({"read", "--port", unsupported.portName()});

  const ProgramResult a = noAnswer->Finish();
  EXPECT_EQ(a.exitStatus, 1);
  EXPECT_EQ(a.out, "");
  EXPECT_EQ(a.err, Reason("No device (QM-40 RT or QM-4 KX) connected to the COM-Port or device "
                          "not ready!"));
  const ProgramResult b = readFailed->Finish();
  EXPECT_EQ(b.exitStatus, 1);
  EXPECT_EQ(b.err, Reason("Error during reading!"));
  const ProgramResult c = notSupported->Finish();
  EXPECT_EQ(c.exitStatus, 1);
  EXPECT_EQ(c.err, Reason("Device not supported by this software! (identity 15.1, version 6.3)"));
}

}  // namespace
}  // namespace tarnwick::testing
