// tarnwick-cli ports with a simulator running: its port is listed as virtual.
#include "e2e_support.h"

namespace tarnwick::testing {
namespace {

using nlohmann::json;

class CliPorts : public E2eTest {};

TEST_F(CliPorts, ListsARunningSimulatorAsAVirtualPort) {
  SimProcess sim(kSimProgram, {"--instant"});
  const ProgramResult run = Cli({"ports"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.err, "");

  const std::vector<json> ports = JsonLines(run.out);
  const auto listed = std::find_if(
      ports.begin(), ports.end(), [&](const json& port) { return port["comNumber"] == sim.com(); });
  ASSERT_NE(listed, ports.end()) << run.out;
  ExpectIncludes(*listed, {{"port", sim.portName()},
                           {"device", sim.device()},
                           {"driver", "tarnwick VCP " + sim.device()},
                           {"virtual", true},
                           {"vendor", nullptr},
                           {"product", nullptr},
                           {"serial", nullptr}});
  EXPECT_EQ(Cli({"ports", "--all"}).exitStatus, 2);
}

}  // namespace
}  // namespace tarnwick::testing
