// tarnwick-cli identify against running simulators: what it prints and why it fails.
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <nlohmann/json.hpp>

#include "bus/bus_result.h"
#include "e2e_support.h"

namespace tarnwick::testing {
namespace {

using nlohmann::json;

class CliIdentify : public E2eTest {
 protected:
  static ProgramResult Identify(const std::string& port) {
    return RunProgram(kCliProgram, {"identify", "--port", port});
  }
  static json Printed(const ProgramResult& run) { return json::parse(run.out, nullptr, false); }
  static std::string Reason(const std::string& text) { return "tarnwick-cli: " + text + "\n"; }
};

struct FamilyCase {
  std::vector<std::string> options;
  int family;
  std::vector<int> identity;  // class, group, major, minor
};

TEST_F(CliIdentify, ReportsEachFamilyAndRefusesAnUnsupportedVersion) {
  const std::vector<FamilyCase> cases{
      {{}, 1, {12, 1, 5, 12}},
      {{"--family", "2"}, 2, {11, 10, 2, 1}},
      {{"--family", "4"}, 4, {15, 1, 10, 0}},
      {{"--family", "4", "--version", "9.47"}, 0, {15, 1, 9, 47}},
  };
  // One simulator and one identification per case, all at once: each costs
  // the half second the link settles after opening.
  std::vector<std::unique_ptr<SimProcess>> sims;
  std::vector<std::unique_ptr<ProgramRun>> runs;
  for (const auto& c : cases) {
    sims.push_back(std::make_unique<SimProcess>(kSimProgram, c.options));
    runs.push_back(std::make_unique<ProgramRun>(
        kCliProgram, std::vector<std::string>{"identify", "--port", sims.back()->portName()}));
  }
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const ProgramResult run = runs[i]->Finish();
    const json printed = Printed(run);
    const bool supported = cases[i].family != 0;
    SCOPED_TRACE(run.out + run.err);
    EXPECT_EQ(run.exitStatus, supported ? 0 : 1);
    ASSERT_TRUE(printed.is_object());
    EXPECT_EQ(printed["result"], kBusOk);
    EXPECT_EQ(printed["family"], cases[i].family);
    const json& id = printed["identity"];
    EXPECT_EQ((std::vector<int>{id["class"], id["group"], id["versionMajor"], id["versionMinor"]}),
              cases[i].identity);
    EXPECT_EQ(id["spare1"], 0);
    EXPECT_EQ(id["spare2"], 0);
    if (supported) {
      EXPECT_EQ(run.err, "");
    } else {
      EXPECT_EQ(run.err, Reason("the device at address 250 on " + sims[i]->portName() +
                                " (identity 15.1, version 9.47) is a known device with an "
                                "unsupported software version"));
    }
  }
}

TEST_F(CliIdentify, SilentDeviceIsNoAnswerFromTheAddress) {
  SimProcess sim(kSimProgram, {"--instant", "--fault", "silent"});
  const ProgramResult run =
      RunProgram(kCliProgram, {"identify", "--port", sim.portName(), "--address", "7"});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.err, Reason("no answer from address 7 on " + sim.portName()));
  EXPECT_EQ(Printed(run)["result"], kBusNoAnswer);
  EXPECT_EQ(Printed(run)["family"], 0);
}

TEST_F(CliIdentify, PortHeldByAnotherProgramIsInUse) {
  SimProcess sim(kSimProgram, {"--instant"});
  PortError error = PortError::kIo;
  const auto holder = factory.Open(sim.com(), error);
  ASSERT_NE(holder, nullptr);
  const ProgramResult run = Identify(sim.portName());
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.err, Reason(sim.portName() + " is in use by another program"));
  EXPECT_EQ(Printed(run)["result"], kBusOpenFailed);
}

TEST_F(CliIdentify, MissingPortDoesNotExist) {
  const std::string missingDevice = (ports.path() / "ttyUSB9").string();
  for (const std::string& port : {std::string("COM200"), missingDevice}) {
    const ProgramResult run = Identify(port);
    EXPECT_EQ(run.exitStatus, 1) << port;
    EXPECT_EQ(Printed(run)["result"], kBusOpenFailed) << port;
    EXPECT_TRUE(run.err.starts_with("tarnwick-cli: " + port + " does not exist")) << run.err;
  }
}

// Root opens any device, so only a normal user can see this refusal.
TEST_F(CliIdentify, DeviceTheUserMayNotOpenNamesTheDialoutGroup) {
  if (geteuid() == 0) GTEST_SKIP() << "root is never refused";
  SimProcess sim(kSimProgram, {"--instant"});
  ASSERT_EQ(chmod(sim.device().c_str(), 0), 0);
  const ProgramResult run = Identify(sim.device());
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.err, Reason("no permission to open " + sim.device() +
                            ": add the user to the dialout group"));
}

}  // namespace
}  // namespace tarnwick::testing
