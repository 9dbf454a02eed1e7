// tarnwick-cli scan against a running simulator with stations at two addresses.
#include <gmock/gmock.h>
#include <signal.h>

#include <chrono>
#include <thread>

#include "e2e_support.h"

namespace tarnwick::testing {
namespace {

using nlohmann::json;

class CliScan : public E2eTest {};

TEST_F(CliScan, PrintsEachStationThatAnswersInTheRange) {
  SimProcess sim(kSimProgram, {"--instant", "--station", "family=1,address=3", "--station",
                               "family=2,address=6"});
  const ProgramResult run = Cli({"scan", "--port", sim.portName(), "--from", "2", "--to", "7"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  const std::vector<json> stations = JsonLines(run.out);
  ASSERT_EQ(stations.size(), 2U) << run.out;
  ExpectIncludes(stations[0], {{"address", 3}, {"family", 1}});
  ExpectIncludes(stations[1], {{"address", 6}, {"family", 2}});
  EXPECT_EQ(stations[1]["identity"]["class"], 11);
  for (const json& station : stations) EXPECT_TRUE(station["serialNumber"].is_number());
  EXPECT_EQ(Cli({"scan", "--port", sim.portName(), "--from", "9", "--to", "8"}).exitStatus, 2);
}

TEST_F(CliScan, CtrlCStopsTheScanAndSaysWhereItStopped) {
  SimProcess sim(kSimProgram, {"--instant", "--address", "1"});
  const auto scan = StartCli({"scan", "--port", sim.portName()});
  ASSERT_TRUE(scan->WaitForLines(1, 5000));
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  scan->Signal(SIGINT);
  const ProgramResult run = scan->Finish();
  EXPECT_EQ(run.exitStatus, 130);
  EXPECT_THAT(run.err, ::testing::MatchesRegex(
                           "tarnwick-cli: stopped by Ctrl-C; addresses [0-9]+ to 255 were not "
                           "scanned\n"));
  EXPECT_EQ(JsonLines(run.out).size(), 1U);
}

}  // namespace
}  // namespace tarnwick::testing
