#include <gtest/gtest.h>

#include "bus/device_commands.h"
#include "bus/protocol_numbers.h"
#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

using Family1 = SimFamily1Test;

std::uint8_t PollStatus(BusLink& link) {
  ParameterBytes d{};
  EXPECT_EQ(ReadParameter(link, 250, 0, d), BusResult::kOk);
  return d[0];
}

// Starts a job and polls until the low four bits clear; gives the final status
// and counts the polls that still saw the job running.
std::uint8_t RunJob(BusLink& link, std::uint8_t job, int* busyPolls = nullptr) {
  EXPECT_EQ(StartProgrammerJob(link, 250, job), BusResult::kOk);
  for (int busy = 0; busy < 50; ++busy) {
    const std::uint8_t status = PollStatus(link);
    if ((status & kStatusBusyMask) != 0) continue;
    if (busyPolls) *busyPolls = busy;
    return status;
  }
  return 0xFF;
}

class Family1BusyPolls : public SimFamily1Test, public ::testing::WithParamInterface<int> {};

TEST_P(Family1BusyPolls, JobsStayBusyForTheConfiguredPollsThenReport) {
  station.SetBusyPolls(GetParam());
  int busy = -1;
  EXPECT_EQ(RunJob(sim.link, 1, &busy), kStatusReady);
  EXPECT_EQ(busy, GetParam());
  EXPECT_EQ(RunJob(sim.link, 2, &busy), kStatusTransferred);
  EXPECT_EQ(busy, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Polls, Family1BusyPolls, ::testing::Values(0, 3));

TEST_F(Family1, WithoutASwitchEitherJobEndsIn0x10UntilOneIsAttachedAndJob1Repeated) {
  station.SetFaults({.noSwitch = true});
  EXPECT_EQ(RunJob(sim.link, 1), kStatusNoSwitch);
  EXPECT_EQ(RunJob(sim.link, 2), kStatusNoSwitch);
  station.ClearFaults();
  EXPECT_EQ(PollStatus(sim.link), kStatusNoSwitch);
  EXPECT_EQ(RunJob(sim.link, 1), kStatusReady);
}

TEST_F(Family1, BusyForEverNeverFinishesAndAnUnknownJobIsRefused) {
  EXPECT_EQ(StartProgrammerJob(sim.link, 250, 3), BusResult::kExceptionValue);
  station.SetFaults({.programmerBusyForever = true});
  ASSERT_EQ(StartProgrammerJob(sim.link, 250, 1), BusResult::kOk);
  for (int i = 0; i < 30; ++i) ASSERT_NE(PollStatus(sim.link) & kStatusBusyMask, 0);
  station.ClearFaults();
  EXPECT_EQ(RunJob(sim.link, 1), kStatusReady);
}

TEST_F(Family1, SwitchRemovedAfterNRequests) {
  station.SetFaults({.removeSwitchAfter = 3});
  EXPECT_EQ(PollStatus(sim.link), kStatusReady);
  float volts = 0;
  std::uint8_t status = 0;
  ASSERT_EQ(ReadChannel(sim.link, 250, 2, volts, status), BusResult::kOk);
  EXPECT_GT(volts, 0.5f);
  EXPECT_EQ(PollStatus(sim.link), kStatusReady);
  EXPECT_EQ(PollStatus(sim.link), kStatusNoSwitch);
  ASSERT_EQ(ReadChannel(sim.link, 250, 2, volts, status), BusResult::kOk);
  EXPECT_EQ(volts, 0.0f);
}

TEST_F(Family1, AnUnknownChannelGetsException2AndAWrongIdentifyCodeNoAnswer) {
  float value = 0;
  std::uint8_t status = 0;
  EXPECT_EQ(ReadChannel(sim.link, 250, 0, value, status), BusResult::kExceptionAddress);

  std::array<std::uint8_t, 16> wrong{250, kFnIdentify, kIdentifyCode[0],
                                     static_cast<std::uint8_t>(kIdentifyCode[1] ^ 0x01)};
  EXPECT_EQ(
      sim.link.Transfer(wrong, kIdentifyWithCodeLengths.request, kIdentifyWithCodeLengths.reply),
      BusResult::kNoAnswer);
}

TEST_F(Family1, ReadsShowTheProgrammersCopyUntilJob2AndWritesWithoutASwitchAreLost) {
  station.SetBusyPolls(0);
  station.Stored().coefficients[72] = 9.5f;
  float value = 0;
  ASSERT_EQ(ReadCoefficient(sim.link, 250, 72, value), BusResult::kOk);
  EXPECT_FLOAT_EQ(value, 6.0f);
  ASSERT_EQ(RunJob(sim.link, 2), kStatusTransferred);
  ASSERT_EQ(ReadCoefficient(sim.link, 250, 72, value), BusResult::kOk);
  EXPECT_FLOAT_EQ(value, 9.5f);

  station.SetFaults({.noSwitch = true});
  ASSERT_EQ(WriteCoefficient(sim.link, 250, 72, 1.0f), BusResult::kOk);
  station.ClearFaults();
  ASSERT_EQ(RunJob(sim.link, 2), kStatusTransferred);
  ASSERT_EQ(ReadCoefficient(sim.link, 250, 72, value), BusResult::kOk);
  EXPECT_FLOAT_EQ(value, 9.5f);
}

TEST_F(Family1, NormalProgrammingSurvivesANewReadOut) {
  station.SetBusyPolls(1);
  ASSERT_EQ(RunJob(sim.link, 1), kStatusReady);
  ASSERT_EQ(WriteParameter(sim.link, 250, 9, {4, 29, 53, 0}), BusResult::kOk);
  ASSERT_EQ(WriteCoefficient(sim.link, 250, 72, 7.25f), BusResult::kOk);
  ASSERT_EQ(WriteCoefficient(sim.link, 250, 73, 2.5f), BusResult::kOk);

  // A new read-out: job 1, job 2, then the values from the programmer.
  ASSERT_EQ(RunJob(sim.link, 1), kStatusReady);
  ASSERT_EQ(RunJob(sim.link, 2), kStatusTransferred);
  float high = 0;
  float low = 0;
  ParameterBytes p9{};
  ASSERT_EQ(ReadCoefficient(sim.link, 250, 72, high), BusResult::kOk);
  ASSERT_EQ(ReadCoefficient(sim.link, 250, 73, low), BusResult::kOk);
  ASSERT_EQ(ReadParameter(sim.link, 250, 9, p9), BusResult::kOk);
  EXPECT_FLOAT_EQ(high, 7.25f);
  EXPECT_FLOAT_EQ(low, 2.5f);
  EXPECT_EQ(p9, (ParameterBytes{4, 29, 53, 0}));
}

}  // namespace
}  // namespace tarnwick
