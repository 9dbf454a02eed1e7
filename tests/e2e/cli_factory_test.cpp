// tarnwick-cli factory-program against a simulated bus of several programmers.
#include <signal.h>

#include <fstream>
#include <memory>

#include "cli_e2e.h"

namespace tarnwick::testing {
namespace {

using nlohmann::json;

class CliFactory : public CliTest {
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

  static std::vector<std::string> Stations(std::initializer_list<std::string> stations) {
    std::vector<std::string> options{"--instant"};
    for (const std::string& station : stations) {
      options.push_back("--station");
      options.push_back("family=1,busy-polls=0," + station);
    }
    return options;
  }
};

json Progress(int pass, const char* step, int address) {
  return {{"pass", pass}, {"step", step}, {"address", address}};
}

TEST_F(CliFactory, ProgramsEveryStationWithAscendingSerialNumbers) {
  const std::string state = (ports.path() / "stations.json").string();
  SimProcess sim(kSimProgram, [&] {
    auto options = Stations({"address=3", "address=4", "address=5"});
    options.insert(options.end(), {"--state", state});
    return options;
  }());
  const ProgramResult run = Cli({"factory-program", "--port", sim.portName(), "--from", "3", "--to",
                                 "5", "--values", ValuesFile(), "--serial", "1000"});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.err, "");
  std::vector<json> expected;
  for (const auto& [pass, step] :
       std::vector<std::pair<int, const char*>>{{1, "announce"}, {2, "write"}, {3, "transfer"}}) {
    for (int address = 3; address <= 5; ++address) {
      expected.push_back(Progress(pass, step, address));
    }
  }
  expected.push_back(json::parse(R"({"programmed":[3,4,5],"serialNumbers":[1000,1001,1002]})"));
  EXPECT_EQ(JsonLines(run.out), expected);

  // What a station now holds, as a read in the factory shows it.
  const ProgramResult read = Cli({"read", "--port", sim.portName(), "--address", "4", "--factory"});
  ASSERT_EQ(read.exitStatus, 0) << read.err;
  const json station = json::parse(read.out);
  EXPECT_EQ(station["serialNumber"], 1001);
  EXPECT_EQ(station["pressureRange"]["maxBar"], 16);
  EXPECT_EQ(station["analogOutput"]["maxVolts"], 4.5);
  EXPECT_EQ(station["factoryReadBack"]["switch1"], json::parse(R"({"highBar":12.5,"lowBar":10,
      "outputTypeCode":2,"functionCode":4,"closingDelaySteps":25,"openingDelaySteps":50})"));
  EXPECT_EQ(station["factoryReadBack"]["windowHysteresis"], 12);

  ASSERT_EQ(sim.Stop(SIGTERM), 0);
  const json saved = json::parse(std::ifstream(state), nullptr, false);
  ASSERT_TRUE(saved.is_object());
  std::vector<int> serialNumbers;
  for (const json& s : saved["stations"]) serialNumbers.push_back(s["serialNumber"]);
  EXPECT_EQ(serialNumbers, (std::vector<int>{1000, 1001, 1002}));
}

TEST_F(CliFactory, ASilentStationStopsTheRunAtItsAddress) {
  SimProcess sim(kSimProgram, Stations({"address=3", "address=4,fault=silent", "address=5"}));
  const ProgramResult run = Cli({"factory-program", "--port", sim.portName(), "--from", "3", "--to",
                                 "5", "--values", ValuesFile()});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(JsonLines(run.out), std::vector<json>{Progress(1, "announce", 3)});
  EXPECT_EQ(run.err, Reason("No device (QM-40 RT or QM-4 KX) connected to the COM-Port or device "
                            "not ready! Adr: 4"));
}

}  // namespace
}  // namespace tarnwick::testing
