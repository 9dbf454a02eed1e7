// tarnwick-cli identify against running simulators: what it prints and why it fails.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "bus/bus_result.h"
#include "e2e_support.h"

namespace tarnwick::testing {
namespace {

using nlohmann::json;

class CliIdentify : public E2eTest {};

TEST_F(CliIdentify, PrintsTheIdentityAndRefusesAnUnsupportedVersion) {
  SimProcess known(kSimProgram, {"--instant", "--family", "2"});
  SimProcess unsupported(kSimProgram, {"--instant", "--family", "4", "--version", "9.47"});
  const std::vector<ProgramResult> runs = CliSideBySide(
      {{"identify", "--port", known.portName()}, {"identify", "--port", unsupported.portName()}});

  EXPECT_EQ(runs[0].exitStatus, 0);
  EXPECT_EQ(runs[0].err, "");
  EXPECT_EQ(json::parse(runs[0].out, nullptr, false), json::parse(R"({"result":0,"family":2,
      "identity":{"class":11,"group":10,"versionMajor":2,"versionMinor":1,"spare1":0,"spare2":0}})"));

  EXPECT_EQ(runs[1].exitStatus, 1);
  EXPECT_EQ(json::parse(runs[1].out, nullptr, false)["family"], 0);
  EXPECT_EQ(runs[1].err, Reason("the device at address 250 on " + unsupported.portName() +
                                " (identity 15.1, version 9.47) is a known device with an "
                                "unsupported software version"));
}

TEST_F(CliIdentify, FailuresSayWhatWentWrongWithThePortOrTheReply) {
  SimProcess silent(kSimProgram, {"--instant", "--fault", "silent"});
  SimProcess badCrc(kSimProgram, {"--instant", "--fault", "bad-crc"});
  SimProcess garbage(kSimProgram, {"--instant", "--fault", "garbage"});
  SimProcess exception(kSimProgram, {"--instant", "--fault", "exception:3"});
  SimProcess held(kSimProgram, {"--instant"});
  PortStatus status;
  const auto holder = factory.Open(held.com(), status);
  ASSERT_NE(holder, nullptr);
  const std::string missingDevice = (ports.root() / "ttyUSB9").string();
  std::filesystem::create_symlink(ports.root() / "gone", ports.ports() / "COM201");
  const std::vector<ProgramResult> runs =
      CliSideBySide({{"identify", "--port", silent.portName(), "--address", "7"},
                     {"identify", "--port", badCrc.portName()},
                     {"identify", "--port", garbage.portName()},
                     {"identify", "--port", exception.portName()},
                     {"identify", "--port", held.portName()},
                     {"identify", "--port", "COM200"},
                     {"identify", "--port", "COM201"},
                     {"identify", "--port", missingDevice}});
  const auto malformed = [](const SimProcess& sim) {
    return "the device at address 250 on " + sim.portName() +
           " answered with a malformed reply (wrong checksum, too short, or garbage)\n";
  };
  const std::pair<BusResult, std::string> expected[] = {
      {BusResult::kNoAnswer, "no answer from address 7 on " + silent.portName() + "\n"},
      {BusResult::kBadReply, malformed(badCrc)},
      {BusResult::kBadReply, malformed(garbage)},
      {BusResult::kExceptionValue, "the device at address 250 on " + exception.portName() +
                                       " answered with exception code 3\n"},
      {BusResult::kOpenFailed, held.portName() + " is in use by another program\n"},
      {BusResult::kOpenFailed, "COM200 does not exist"},
      {BusResult::kOpenFailed,
       "COM201 does not exist (the link COM201 points at a missing device)\n"},
      {BusResult::kOpenFailed, missingDevice + " does not exist"},
  };
  for (std::size_t i = 0; i < runs.size(); ++i) {
    EXPECT_EQ(runs[i].exitStatus, 1);
    EXPECT_EQ(json::parse(runs[i].out, nullptr, false)["result"], BusResultCode(expected[i].first));
    EXPECT_TRUE(runs[i].err.starts_with("tarnwick-cli: " + expected[i].second)) << runs[i].err;
  }
}

// Root opens any device, so only a normal user can see this refusal.
TEST_F(CliIdentify, DeviceTheUserMayNotOpenNamesTheDialoutGroup) {
  if (geteuid() == 0) GTEST_SKIP() << "root is never refused";
  SimProcess sim(kSimProgram, {"--instant"});
  ASSERT_EQ(chmod(sim.device().c_str(), 0), 0);
  const ProgramResult run = Cli({"identify", "--port", sim.device()});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.err, Reason("no permission to open " + sim.device() +
                            ": add the user to the dialout group"));
}

}  // namespace
}  // namespace tarnwick::testing
