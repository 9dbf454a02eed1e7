// The happy paths of most options are also driven by the end-to-end tests,
// which start tarnwick-sim with them.
#include "sim/sim_options.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(SimOptions, NoOptionsGiveOneProgrammerAtAddress1) {
  std::string error;
  const auto options = ParseSimOptions({}, error);
  ASSERT_TRUE(options);
  ASSERT_EQ(options->stations.size(), 1u);
  EXPECT_EQ(options->stations[0].family, 1);
  EXPECT_EQ(options->stations[0].address, 1);
  EXPECT_FALSE(options->stationsGiven);
  EXPECT_TRUE(ParseSimOptions({"--help"}, error)->help);
}

TEST(SimOptions, EveryFaultHasASpelling) {
  StationFaults f;
  std::string error;
  for (const char* text : {"silent", "bad-crc", "exception:32", "short", "garbage", "busy",
                           "no-switch", "remove-switch:5", "only-index:72", "ignore-write:9"}) {
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
                              .removeSwitchAfter = 5,
                              .ignoredWrite = 9}));
  ASSERT_TRUE(ParseFault("garbage:AB01", f, error)) << error;
  EXPECT_EQ(f.garbageBefore, (std::vector<std::uint8_t>{0xAB, 0x01}));
}

TEST(SimOptions, MistakesGiveOneLineMessages) {
  const std::vector<std::vector<std::string>> mistakes{
      {"--family", "3"},
      {"--family"},
      {"--address", "0"},
      {"--address", "256"},
      {"--com", "x"},
      {"--com", "257"},
      {"--version", "5"},
      {"--fault", "exception"},
      {"--fault", "garbage:ABC"},
      {"--fault", "loud"},
      {"--station", "address=5"},
      {"--station", "family=2,colour=red"},
      {"--bogus"},
      {"stray"},
      {"--station", "family=2", "--family", "1"},
  };
  for (const auto& args : mistakes) {
    std::string error;
    EXPECT_FALSE(ParseSimOptions(args, error)) << ::testing::PrintToString(args);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace tarnwick
