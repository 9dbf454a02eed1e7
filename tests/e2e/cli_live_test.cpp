// tarnwick-cli live against running simulators: lines, stopping, losing the device.
#include <signal.h>

#include <chrono>
#include <thread>

#include "e2e_support.h"

namespace tarnwick::testing {
namespace {

using nlohmann::json;

constexpr int kLineLimitMs = 5000;

class CliLive : public E2eTest {};

TEST_F(CliLive, CountEndsAfterThatManyLines) {
  SimProcess sim(kSimProgram, {"--instant", "--family", "2"});
  const ProgramResult run = Cli({"live", "--port", sim.portName(), "--count", "3"});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.err, "");
  const std::vector<json> lines = JsonLines(run.out);
  ASSERT_EQ(lines.size(), 3U) << run.out;
  EXPECT_EQ(lines[2]["tick"], 3);
  // The simulated pressure wobbles around 9 bar; two decimals on a 16 bar range.
  ASSERT_TRUE(lines[2]["value"].is_string()) << lines[2];
  EXPECT_NEAR(std::stod(lines[2]["value"].get<std::string>()), 9.0, 0.1);
  EXPECT_EQ(lines[2]["value"].get<std::string>().size(), 4U) << lines[2];
  EXPECT_EQ(lines[2]["switch1"], "closed");
}

TEST_F(CliLive, CtrlCStopsCleanlyAndFreesThePort) {
  SimProcess sim(kSimProgram, {"--instant", "--family", "4"});
  const auto live = StartCli({"live", "--port", sim.portName()});
  ASSERT_TRUE(live->WaitForLines(1, kLineLimitMs));
  live->Signal(SIGINT);
  const ProgramResult run = live->Finish();
  EXPECT_EQ(run.exitStatus, 130);
  EXPECT_EQ(run.err, "");
  const std::vector<json> lines = JsonLines(run.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(lines.back().is_object()) << "a line cut short: " << run.out;
  EXPECT_EQ(lines.back()["unit"], "Liter (l)");
  EXPECT_EQ(Cli({"identify", "--port", sim.portName()}).exitStatus, 0);
}

// A programmer without a switch and OK to every read-again question: the read-out
// would go on for minutes.
TEST_F(CliLive, CtrlCDuringTheFirstReadOutEndsIt) {
  SimProcess sim(kSimProgram, {"--instant", "--fault", "no-switch"});
  const auto live = StartCli({"live", "--port", sim.portName(), "--retry-no-switch", "1000"});
  std::this_thread::sleep_for(std::chrono::seconds(1));
  live->Signal(SIGINT);
  const ProgramResult run = live->Finish();
  EXPECT_EQ(run.exitStatus, 130);
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(run.err.ends_with(Reason("stopped by Ctrl-C"))) << run.err;
  EXPECT_EQ(Cli({"identify", "--port", sim.portName()}).exitStatus, 0) << "the port is free";
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
