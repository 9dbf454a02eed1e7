#include "programming/program_and_read_back.h"

#include "programming_test_support.h"
#include "support/family_numbers.h"

namespace tarnwick {
namespace {

using enum SwitchFunction;
using enum SwitchContact;

class RoundTrip : public ProgrammingTest, public ::testing::WithParamInterface<int> {};

TEST_P(RoundTrip, ReadOutAfterwardsShowsWhatWasWritten) {
  const int family = GetParam();
  SimStation& station = sim.AddStation(family, 250);
  StartRecording();
  const ProgrammingTarget target{Family(family), 250, station.Identity(),
                                 station.Stored().serialNumber};
  const NormalProgramInputs inputs{{{kWindow, kNormallyClosed}, 7.5F, 2.5F, 25, 50},
                                   {{kHysteresis, kNormallyOpen}, 3.0F, 1.0F, 4, 0}};

  const ReadoutResult result = ProgramAndReadBack(sim.link, target, inputs, observer);

  ASSERT_TRUE(result.succeeded()) << result.outcome.message;
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
  EXPECT_EQ(Frames()[0], IdentifyRequest(250));
  EXPECT_EQ(Frames()[1], ReadSerialNumberRequest(250));
  if (family == 1) {
    // The read-out starts from 5 again after the writes reached 100.
    const auto written = std::ranges::find(observer.events, "=100");
    ASSERT_NE(written, observer.events.end());
    EXPECT_EQ(*(written + 1), "=5");
  }
}

INSTANTIATE_TEST_SUITE_P(Families, RoundTrip, ::testing::Values(1, 2, 4));

TEST_F(ProgrammingTest, NothingReadMeansNothingSent) {
  sim.bus.Add<Family2Station>(std::uint8_t{250});
  StartRecording();

  const ReadoutResult nothing = ProgramAndReadBack(sim.link, {}, {}, observer);
  const ReadoutResult unknown =
      ProgramAndReadBack(sim.link, ProgrammingTarget{Family(3), 250, {}, 0}, {}, observer);

  EXPECT_TRUE(nothing.succeeded());
  EXPECT_FALSE(nothing.readout.has_value());
  EXPECT_EQ(unknown.outcome.message, kMsgNotSupported);
  EXPECT_TRUE(Frames().empty());
}

}  // namespace
}  // namespace tarnwick
