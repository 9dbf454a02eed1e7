// tarnwick-cli factory-program against a simulated bus of several programmers.
#include <signal.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "e2e_support.h"

namespace tarnwick::testing {
namespace {

using nlohmann::json;

class CliFactory : public E2eTest {
 protected:
  std::string ValuesFile() const {
    return WriteFile("values.json", R"({
      "pressureRange": {"minBar": 0, "maxBar": 16},
      "temperatureRange": {"min": -25, "max": 85},
      "analogOutput": true,
      "windowHysteresis": 12,
      "switch1": {"outputType": "PNP", "function": "Window", "contact": "NC",
                  "highBar": 12.5, "lowBar": 10, "closingDelaySteps": 25, "openingDelaySteps": 50},
      "switch2": {"outputType": "none", "function": "Off",
                  "highBar": 8, "lowBar": 2, "closingDelaySteps": 0, "openingDelaySteps": 0}
    })");
  }

  // Each line of a journal file parsed as JSON.
  static std::vector<json> JournalLines(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::stringstream lines;
    lines << in.rdbuf();
    return JsonLines(lines.str());
  }

  // tarnwick-sim options for programmers at the given addresses.
  static std::vector<std::string> Stations(std::initializer_list<std::string> stations) {
    std::vector<std::string> options{"--instant"};
    for (const std::string& station : stations) {
      options.insert(options.end(), {"--station", "family=1,busy-polls=0," + station});
    }
    return options;
  }
};

TEST_F(CliFactory, ProgramsEveryStationWithAscendingSerialNumbers) {
  const std::string state = (ports.root() / "stations.json").string();
  std::vector<std::string> options = Stations({"address=3", "address=4", "address=5"});
  options.insert(options.end(), {"--state", state});
  SimProcess sim(kSimProgram, options);
  const std::filesystem::path journal = ports.root() / "line-3" / "journal.jsonl";
  const ProgramResult run =
      Cli({"factory-program", "--port", sim.portName(), "--from", "3", "--to", "5", "--values",
           ValuesFile(), "--serial", "1000", "--journal", journal.string()});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.err, "");
  const std::vector<json> lines = JsonLines(run.out);
  ASSERT_EQ(lines.size(), 10U) << run.out;
  EXPECT_EQ(lines[0], json::parse(R"({"pass":1,"step":"announce","address":3})"));
  EXPECT_EQ(lines[5], json::parse(R"({"pass":2,"step":"write","address":5})"));
  EXPECT_EQ(lines[8], json::parse(R"({"pass":3,"step":"transfer","address":5})"));
  EXPECT_EQ(lines[9], json::parse(R"({"programmed":[3,4,5],"serialNumbers":[1000,1001,1002]})"));
  const std::vector<json> journaled = JournalLines(journal);
  ASSERT_EQ(journaled.size(), 3U);
  for (std::size_t i = 0; i < journaled.size(); ++i) {
    ExpectIncludes(journaled[i], {{"port", sim.portName()},
                                  {"address", 3 + i},
                                  {"serialNumber", 1000 + i},
                                  {"result", "done"}});
  }
  ExpectIncludes(journaled[0]["values"], json::parse(R"({"pressureRangeMaxBar":16,
      "analogOutput":true,"switch1":{"highBar":12.5,"lowBar":10,"functionCode":4,"outputType":2,
      "closingDelaySteps":25,"openingDelaySteps":50}})"));

  // What a station now holds, as a read in the factory shows it.
  const ProgramResult read = Cli({"read", "--port", sim.portName(), "--address", "4", "--factory"});
  ASSERT_EQ(read.exitStatus, 0) << read.err;
  ExpectIncludes(json::parse(read.out), json::parse(R"({"serialNumber":1001,
      "pressureRange":{"minBar":0,"maxBar":16,"text":"0.00 ... 16.00"},
      "analogOutput":{"minVolts":0.5,"maxVolts":4.5,"present":true},
      "factoryReadBack":{"pressureRange":{"minBar":0,"maxBar":16},
          "temperatureRange":{"min":-25,"max":85},"windowHysteresis":12,
          "switch1":{"highBar":12.5,"lowBar":10,"outputTypeCode":2,"functionCode":4,
              "closingDelaySteps":25,"openingDelaySteps":50},
          "switch2":{"highBar":8,"lowBar":2,"outputTypeCode":0,"functionCode":0,
              "closingDelaySteps":0,"openingDelaySteps":0}}})"));

  ASSERT_EQ(sim.Stop(SIGTERM), 0);
  const json saved = json::parse(std::ifstream(state), nullptr, false);
  ASSERT_TRUE(saved.is_object());
  EXPECT_EQ(saved["stations"][2]["serialNumber"], 1002);
}

TEST_F(CliFactory, ASilentStationStopsTheRunAtItsAddress) {
  SimProcess sim(kSimProgram, Stations({"address=3", "address=4,fault=silent", "address=5"}));
  const ProgramResult run = Cli({"factory-program", "--port", sim.portName(), "--from", "3", "--to",
                                 "5", "--values", ValuesFile()});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(JsonLines(run.out),
            std::vector<json>{json::parse(R"({"pass":1,"step":"announce","address":3})")});
  EXPECT_EQ(run.err, Reason("No device (QM-40 RT or QM-4 KX) connected to the COM-Port or device "
                            "not ready! Adr: 4"));
  // By default the journal is the file of the day in the console's data directory.
  const std::time_t now = std::time(nullptr);
  char name[32];
  std::strftime(name, sizeof name, "journal-%Y-%m-%d.jsonl", std::localtime(&now));
  std::vector<json> journaled =
      JournalLines(ports.root() / "data" / "Vostrand" / "Tarnwick" / name);
  ASSERT_EQ(journaled.size(), 3U);
  EXPECT_EQ(journaled[0]["failedAddress"], 4);
  EXPECT_EQ(journaled[1]["result"], 51);
  EXPECT_FALSE(journaled[1].contains("failedAddress"));
  EXPECT_EQ(journaled[2]["failedAddress"], 4);
}

TEST_F(CliFactory, AJournalThatCannotBeWrittenIsAWarningOnly) {
  SimProcess sim(kSimProgram, Stations({"address=3"}));
  const std::string taken = WriteFile("taken", "a file, not a directory");
  const ProgramResult run = Cli({"factory-program", "--port", sim.portName(), "--from", "3", "--to",
                                 "3", "--values", ValuesFile(), "--journal", taken + "/j.jsonl"});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(JsonLines(run.out).back(), json::parse(R"({"programmed":[3]})"));
  EXPECT_TRUE(
      run.err.starts_with("tarnwick-cli: warning: The production journal could not be "
                          "written (cannot create " +
                          taken))
      << run.err;
}

// The second programmer never becomes ready: the run waits on it when SIGTERM comes.
TEST_F(CliFactory, SigtermEndsTheRunAndSaysWhatTheProgrammersHold) {
  SimProcess sim(kSimProgram, Stations({"address=3", "address=4,fault=busy"}));
  const auto run = StartCli({"factory-program", "--port", sim.portName(), "--from", "3", "--to",
                             "4", "--values", ValuesFile()});
  ASSERT_TRUE(run->WaitForLines(3, 5000)) << "both announced, address 3 written";
  run->Signal(SIGTERM);
  const ProgramResult result = run->Finish();
  EXPECT_EQ(result.exitStatus, 143);
  EXPECT_EQ(result.err,
            Reason("stopped by SIGTERM; programmers that received all values: 3; that transferred "
                   "them to their switch: none; the programmer being served when it stopped may "
                   "hold part of the values"));
}

}  // namespace
}  // namespace tarnwick::testing
