// tarnwick-cli live against running simulators: lines, stopping, losing the device.
#include <signal.h>

#include <memory>

#include "cli_e2e.h"

namespace tarnwick::testing {
namespace {

using nlohmann::json;

class CliLive : public CliTest {
 protected:
  static constexpr int kLineLimitMs = 5000;
};

bool IsSwitchState(const json& state) { return state == "open" || state == "closed"; }

TEST_F(CliLive, CountEndsAfterThatManyLines) {
  SimProcess switchDevice(kSimProgram, {"--instant", "--family", "2"});
  SimProcess pressureSwitch(kSimProgram, {"--instant", "--busy-polls", "0"});
  const auto three = StartCli({"live", "--port", switchDevice.portName(), "--count", "3"});
  const auto two =
      StartCli({"live", "--port", pressureSwitch.portName(), "--count", "2", "--unit", "MPa"});

  const ProgramResult run = three->Finish();
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.err, "");
  const std::vector<json> lines = JsonLines(run.out);
  ASSERT_EQ(lines.size(), 3U) << run.out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const json& line = lines[i];
    EXPECT_EQ(line["tick"], i + 1);
    // The simulated pressure wobbles around 9 bar; two decimals on a 16 bar range.
    ASSERT_TRUE(line["value"].is_string()) << line;
    EXPECT_NEAR(std::stod(line["value"].get<std::string>()), 9.0, 0.1);
    EXPECT_EQ(line["value"].get<std::string>().size(), 4U) << line;
    EXPECT_EQ(line["unit"], "bar");
    EXPECT_TRUE(IsSwitchState(line["switch1"])) << line;
    EXPECT_TRUE(IsSwitchState(line["switch2"])) << line;
    EXPECT_FALSE(line.contains("voltage"));
  }

  const ProgramResult withVoltage = two->Finish();
  EXPECT_EQ(withVoltage.exitStatus, 0);
  const std::vector<json> family1 = JsonLines(withVoltage.out);
  ASSERT_EQ(family1.size(), 2U) << withVoltage.out;
  EXPECT_EQ(family1[1]["unit"], "MPa");
  EXPECT_EQ(family1[1]["analogOutput"], true);
  EXPECT_TRUE(family1[1]["voltage"].is_string());
  EXPECT_TRUE(IsSwitchState(family1[1]["switch2"]));
}

TEST_F(CliLive, CtrlCStopsCleanlyAndFreesThePort) {
  SimProcess sim(kSimProgram, {"--instant", "--family", "4"});
  const auto live = StartCli({"live", "--port", sim.portName()});
  ASSERT_TRUE(live->WaitForLines(1, kLineLimitMs));
  live->Signal(SIGINT);
  const ProgramResult run = live->Finish();
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.err, "");
  const std::vector<json> lines = JsonLines(run.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(lines.back().is_object()) << "a line cut short: " << run.out;
  EXPECT_EQ(lines.back()["unit"], "Liter (l)");
  EXPECT_EQ(Cli({"identify", "--port", sim.portName()}).exitStatus, 0);
}

TEST_F(CliLive, ADeviceThatGoesAwayEndsItWithMessage51) {
  SimProcess sim(kSimProgram, {"--instant", "--family", "2"});
  const auto live = StartCli({"live", "--port", sim.portName()});
  ASSERT_TRUE(live->WaitForLines(1, kLineLimitMs));
  sim.Stop(SIGKILL);
  const ProgramResult run = live->Finish();
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.err, Reason("No device (QM-40 RT or QM-4 KX) connected to the COM-Port or device "
                            "not ready!"));
}

}  // namespace
}  // namespace tarnwick::testing
