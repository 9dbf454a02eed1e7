#include "sim/sim_options.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

std::optional<SimOptions> Parse(const std::vector<std::string>& args, std::string& error) {
  return ParseSimOptions(args, error);
}

TEST(SimOptions, NoOptionsGiveOneProgrammerAtAddress1) {
  std::string error;
  const auto options = Parse({}, error);
  ASSERT_TRUE(options);
  ASSERT_EQ(options->stations.size(), 1u);
  EXPECT_EQ(options->stations[0].family, 1);
  EXPECT_EQ(options->stations[0].address, 1);
  EXPECT_FALSE(options->stationsGiven);
  EXPECT_FALSE(options->instant);
  EXPECT_FALSE(options->com);
}

TEST(SimOptions, SingleStationOptions) {
  std::string error;
  const auto options =
      Parse({"--family", "4", "--address", "12", "--version", "9.48", "--fault", "short:2",
             "--fault", "only-function:30", "--instant", "--com", "7", "--state", "/tmp/s.json"},
            error);
  ASSERT_TRUE(options) << error;
  const StationSpec& s = options->stations.at(0);
  EXPECT_EQ(s.family, 4);
  EXPECT_EQ(s.address, 12);
  ASSERT_TRUE(s.version);
  EXPECT_EQ(s.version->major, 9);
  EXPECT_EQ(s.version->minor, 48);
  EXPECT_EQ(s.faults.shortReplyBy, 2);
  EXPECT_EQ(s.faults.onlyFunction, 30);
  EXPECT_TRUE(options->instant);
  EXPECT_EQ(options->com, 7);
  EXPECT_EQ(options->statePath, std::filesystem::path("/tmp/s.json"));
}

TEST(SimOptions, SeveralStations) {
  std::string error;
  const auto options = Parse({"--station", "family=2,address=5", "--station",
                              "family=1,address=3,busy-polls=4,fault=no-switch,fault=garbage:AB01"},
                             error);
  ASSERT_TRUE(options) << error;
  ASSERT_EQ(options->stations.size(), 2u);
  EXPECT_EQ(options->stations[0].family, 2);
  EXPECT_EQ(options->stations[1].busyPolls, 4);
  EXPECT_TRUE(options->stations[1].faults.noSwitch);
  EXPECT_EQ(options->stations[1].faults.garbageBefore, (std::vector<std::uint8_t>{0xAB, 0x01}));
}

TEST(SimOptions, EveryFaultHasASpelling) {
  StationFaults f;
  std::string error;
  for (const char* text : {"silent", "bad-crc", "exception:32", "short", "garbage", "busy",
                           "no-switch", "remove-switch:5", "only-index:72"}) {
    EXPECT_TRUE(ParseFault(text, f, error)) << text;
  }
  EXPECT_EQ(f, (StationFaults{.silent = true,
                              .corruptCrc = true,
                              .exception = 32,
                              .shortReplyBy = 1,
                              .garbageBefore = {0x00, 0xFF, 0x55},
                              .onlyIndex = 72,
                              .programmerBusyForever = true,
                              .noSwitch = true,
                              .removeSwitchAfter = 5}));
}

class SimOptionsBad : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(SimOptionsBad, GiveOneLineMessages) {
  std::string error;
  EXPECT_FALSE(ParseSimOptions(GetParam(), error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(error.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SimOptionsBad,
    ::testing::Values(
        std::vector<std::string>{"--family", "3"}, std::vector<std::string>{"--family"},
        std::vector<std::string>{"--address", "0"}, std::vector<std::string>{"--address", "256"},
        std::vector<std::string>{"--com", "x"}, std::vector<std::string>{"--com", "257"},
        std::vector<std::string>{"--version", "5"},
        std::vector<std::string>{"--fault", "exception"},
        std::vector<std::string>{"--fault", "garbage:ABC"},
        std::vector<std::string>{"--fault", "loud"},
        std::vector<std::string>{"--station", "address=5"},
        std::vector<std::string>{"--station", "family=2,colour=red"},
        std::vector<std::string>{"--station", "family=2", "--family", "1"},
        std::vector<std::string>{"--bogus"}, std::vector<std::string>{"stray"}));

TEST(SimOptions, HelpDocumentsEveryOption) {
  std::string error;
  const auto options = Parse({"--help"}, error);
  ASSERT_TRUE(options);
  EXPECT_TRUE(options->help);
  const std::string usage = SimUsage();
  for (const char* word : {"--com", "--instant", "--family", "--address", "--version",
                           "--busy-polls", "--fault", "--station", "--state", "remove-switch"}) {
    EXPECT_NE(usage.find(word), std::string::npos) << word;
  }
}

}  // namespace
}  // namespace tarnwick
