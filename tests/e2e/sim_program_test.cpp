// tarnwick-sim as a program: its published link and its state file.
#include <signal.h>
#include <sys/wait.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <thread>

#include "bus/device_commands.h"
#include "e2e_support.h"
#include "ports/user_places.h"

namespace tarnwick::testing {
namespace {

namespace fs = std::filesystem;

class SimProgram : public E2eTest {};

TEST_F(SimProgram, AStopSignalEndsItCleanlyAndRemovesItsLink) {
  for (const int signal : {SIGINT, SIGTERM}) {
    SimProcess sim(kSimProgram, {"--com", "5"});
    EXPECT_EQ(sim.com(), 5);
    EXPECT_EQ(fs::read_symlink(PortLinkPath(ports.ports(), 5)), sim.device());
    EXPECT_EQ(table.DevicePath(5), sim.device());

    const int status = sim.Stop(signal);
    ASSERT_TRUE(WIFEXITED(status)) << signal;
    EXPECT_EQ(WEXITSTATUS(status), 0) << signal;
    EXPECT_FALSE(fs::is_symlink(fs::symlink_status(PortLinkPath(ports.ports(), 5))));
    EXPECT_EQ(table.DevicePath(5), "");
  }
}

// The state is saved as soon as a write has been answered, so even a
// simulator that is killed keeps what was programmed.
TEST_F(SimProgram, ProgrammedValuesSurviveAKilledSimulator) {
  const fs::path state = ports.root() / "state.json";
  const auto savedHighPoint = [&] {
    std::ifstream in(state);
    // The simulator renames a complete file into place, so any file read is whole.
    const auto saved = nlohmann::json::parse(in, nullptr, false);
    return saved.is_discarded() ? 0.0
                                : saved.at("stations").at(0).at("coefficients").value("72", 0.0);
  };
  {
    SimProcess sim(kSimProgram, {"--instant", "--family", "2", "--state", state.string()});
    ASSERT_EQ(link.Open(sim.com(), kDefaultReadTimeoutMs, kBusBaudRate), BusResult::kOk);
    ASSERT_EQ(WriteCoefficient(link, 250, 72, 11.5f), BusResult::kOk);
    ASSERT_EQ(link.Close(), BusResult::kOk);
    for (int i = 0; i < 200 && savedHighPoint() != 11.5; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_EQ(savedHighPoint(), 11.5);
    sim.Stop(SIGKILL);
  }
  // The link of the killed simulator is left behind and taken over.
  SimProcess restarted(kSimProgram, {"--instant", "--state", state.string()});
  ASSERT_EQ(link.Open(restarted.com(), kDefaultReadTimeoutMs, kBusBaudRate), BusResult::kOk);
  float value = 0;
  DeviceIdentity identity;
  ASSERT_EQ(ReadCoefficient(link, 250, 72, value), BusResult::kOk);
  ASSERT_EQ(Identify(link, 250, identity), BusResult::kOk);
  EXPECT_EQ(value, 11.5f);
  EXPECT_EQ(identity.Class, 11) << "the family came from the state, not the default";
  link.Close();
}

}  // namespace
}  // namespace tarnwick::testing
