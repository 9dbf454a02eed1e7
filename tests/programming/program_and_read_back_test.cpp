#include "programming/program_and_read_back.h"

#include "programming_test_support.h"

namespace tarnwick {
namespace {

using enum SwitchFunction;
using enum SwitchContact;

class RoundTrip : public ProgrammingTest, public ::testing::WithParamInterface<int> {
 protected:
  SimStation& AddStation(int family) {
    switch (family) {
      case 1:
        return sim.bus.Add<Family1Station>(std::uint8_t{250});
      case 2:
        return sim.bus.Add<Family2Station>(std::uint8_t{250});
      default:
        return sim.bus.Add<Family4Station>(std::uint8_t{250});
    }
  }
};

TEST_P(RoundTrip, ReadOutAfterwardsShowsWhatWasWritten) {
  const int family = GetParam();
  SimStation& station = AddStation(family);
  StartRecording();
  const ProgrammingTarget target{family, 250, station.Identity(), station.Stored().serialNumber};
  const NormalProgramInputs inputs{{{kWindow, kNormallyClosed}, 7.5F, 2.5F, 25, 50},
                                   {{kHysteresis, kNormallyOpen}, 3.0F, 1.0F, 4, 0}};

  const ReadoutResult result = ProgramAndReadBack(target, inputs, sim.clock, observer);

  ASSERT_TRUE(result.succeeded()) << result.outcome.message;
  ASSERT_TRUE(result.readout.has_value());
  const SwitchReadout& sw1 = result.readout->switches[0];
  const SwitchReadout& sw2 = result.readout->switches[1];
  EXPECT_EQ(sw1.selection, (SwitchSelection{kWindow, kNormallyClosed}));
  EXPECT_EQ(sw2.selection, (SwitchSelection{kHysteresis, kNormallyOpen}));
  EXPECT_EQ(sw1.highBar, 7.5F);
  EXPECT_EQ(sw2.lowBar, 1.0F);
  if (family != 2) {
    EXPECT_EQ(sw1.closingDelaySteps, 25);
    EXPECT_EQ(sw2.closingDelaySteps, 4);
  }
  const auto frames = Frames();
  EXPECT_EQ(frames[0], wire::Identify(250));
  EXPECT_EQ(frames[1], wire::Serial(250));
  if (family == 1) {
    // The read-out starts from 5 again after the writes reached 100.
    const auto written = std::ranges::find(observer.reports, "=100");
    ASSERT_NE(written, observer.reports.end());
    EXPECT_EQ(*(written + 1), "=5");
  }
}

INSTANTIATE_TEST_SUITE_P(Families, RoundTrip, ::testing::Values(1, 2, 4));

TEST_F(ProgrammingTest, AnotherDeviceIsNotWritten) {
  auto& station = sim.bus.Add<Family2Station>(std::uint8_t{250});
  StartRecording();
  const ProgrammingTarget target{2, 250, station.Identity(), station.Stored().serialNumber + 1};

  const ReadoutResult result = ProgramAndReadBack(target, {}, sim.clock, observer);

  EXPECT_EQ(result.outcome.message, kMsgDeviceChanged);
  EXPECT_FALSE(result.readout.has_value());
  EXPECT_EQ(Frames(), (std::vector<RequestFrame>{wire::Identify(250), wire::Serial(250)}));
}

TEST_F(ProgrammingTest, NothingReadMeansNothingSent) {
  sim.bus.Add<Family2Station>(std::uint8_t{250});
  StartRecording();

  const ReadoutResult nothing = ProgramAndReadBack({}, {}, sim.clock, observer);
  const ReadoutResult unknown =
      ProgramAndReadBack(ProgrammingTarget{3, 250, {}, 0}, {}, sim.clock, observer);

  EXPECT_TRUE(nothing.succeeded());
  EXPECT_FALSE(nothing.readout.has_value());
  EXPECT_EQ(unknown.outcome.message, kMsgNotSupported);
  EXPECT_TRUE(Frames().empty());
}

}  // namespace
}  // namespace tarnwick
