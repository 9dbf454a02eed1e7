#include "programming/same_device.h"

#include "programming_test_support.h"

namespace tarnwick {
namespace {

constexpr DeviceIdentity kLevelDevice{15, 1, 10, 0, 0, 0};
constexpr std::int32_t kLevelSerial = 400017;

struct SameDeviceCase {
  const char* name;
  DeviceIdentity expectedIdentity;
  std::int32_t expectedSerial;
  StationFaults faults;
  int message;
  std::vector<RequestFrame> frames;
  std::vector<int> waits;
};

class CheckSameDeviceTest : public ProgrammingTest,
                            public ::testing::WithParamInterface<SameDeviceCase> {};

TEST_P(CheckSameDeviceTest, ComparesIdentityThenSerialNumber) {
  const SameDeviceCase& c = GetParam();
  sim.bus.Add<Family4Station>(std::uint8_t{250}).SetFaults(c.faults);
  StartRecording();

  const EngineOutcome outcome =
      CheckSameDevice(250, c.expectedIdentity, c.expectedSerial, sim.clock);

  EXPECT_EQ(outcome.message, c.message);
  EXPECT_FALSE(outcome.address.has_value());
  EXPECT_EQ(Frames(), c.frames);
  EXPECT_EQ(EngineWaits(sim.clock), c.waits);
}

const std::vector<RequestFrame> kIdentifyAndSerial{wire::Identify(250), wire::Serial(250)};

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckSameDeviceTest,
    ::testing::Values(
        SameDeviceCase{"Same", kLevelDevice, kLevelSerial, {}, kMsgNone, kIdentifyAndSerial, {}},
        SameDeviceCase{"SpareBytesAreNotCompared",
                       {15, 1, 10, 0, 7, 9},
                       kLevelSerial,
                       {},
                       kMsgNone,
                       kIdentifyAndSerial,
                       {}},
        SameDeviceCase{"OtherVersion",
                       {15, 1, 10, 1, 0, 0},
                       kLevelSerial,
                       {},
                       kMsgDeviceChanged,
                       {wire::Identify(250)},
                       {}},
        SameDeviceCase{"OtherGroup",
                       {15, 2, 10, 0, 0, 0},
                       kLevelSerial,
                       {},
                       kMsgDeviceChanged,
                       {wire::Identify(250)},
                       {}},
        SameDeviceCase{"OtherSerial",
                       kLevelDevice,
                       kLevelSerial + 1,
                       {},
                       kMsgDeviceChanged,
                       kIdentifyAndSerial,
                       {}},
        SameDeviceCase{"SilentIsAskedTwice500msApart",
                       kLevelDevice,
                       kLevelSerial,
                       {.silent = true},
                       kMsgNoAnswer,
                       {wire::Identify(250), wire::Identify(250)},
                       {500}},
        SameDeviceCase{"SerialNumberRefused",
                       kLevelDevice,
                       kLevelSerial,
                       {.exception = 2, .onlyFunction = kFnReadSerialNumber},
                       kMsgNoAnswer,
                       kIdentifyAndSerial,
                       {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick
