#include <gtest/gtest.h>

#include "bus/commands.h"
#include "bus/functions.h"
#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

using Family1 = SimFamily1Test;

std::uint8_t PollStatus(std::uint8_t address = 250) {
  ParameterBytes d{};
  EXPECT_EQ(ReadParameter(address, 0, d), kBusOk);
  return d[0];
}

// Polls until the low four bits clear; returns the final status and counts
// the polls that still saw the job running.
std::uint8_t WaitIdle(int& busyPolls) {
  busyPolls = 0;
  for (int i = 0; i < 50; ++i) {
    const std::uint8_t status = PollStatus();
    if ((status & kStatusBusyMask) == 0) return status;
    ++busyPolls;
  }
  return 0xFF;
}

TEST_F(Family1, DefaultIdentityIsProgrammer512AtAddressOneAnd250) {
  DeviceIdentity id;
  ASSERT_EQ(Identify(1, id), kBusOk);
  EXPECT_EQ(id, (DeviceIdentity{12, 1, 5, 12, 0, 0}));
  ASSERT_EQ(Identify(250, id), kBusOk);
  EXPECT_EQ(Identify(2, id), kBusNoAnswer);
}

class Family1BusyPolls : public SimFamily1Test, public ::testing::WithParamInterface<int> {};

TEST_P(Family1BusyPolls, JobsStayBusyForTheConfiguredPollsThenReport) {
  station.SetBusyPolls(GetParam());
  int busy = 0;
  ASSERT_EQ(StartProgrammerJob(250, 1), kBusOk);
  EXPECT_EQ(WaitIdle(busy), kStatusReady);
  EXPECT_EQ(busy, GetParam());
  ASSERT_EQ(StartProgrammerJob(250, 2), kBusOk);
  EXPECT_EQ(WaitIdle(busy), kStatusTransferred);
  EXPECT_EQ(busy, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Polls, Family1BusyPolls, ::testing::Values(0, 1, 2, 5));

TEST_F(Family1, BusyStatusHasTheLowBitsSet) {
  station.SetBusyPolls(1);
  ASSERT_EQ(StartProgrammerJob(250, 2), kBusOk);
  const std::uint8_t status = PollStatus();
  EXPECT_NE(status & kStatusBusyMask, 0);
}

TEST_F(Family1, NoSwitchGives0x10AfterEitherJob) {
  station.SetFaults({.noSwitch = true});
  int busy = 0;
  ASSERT_EQ(StartProgrammerJob(250, 1), kBusOk);
  EXPECT_EQ(WaitIdle(busy), kStatusNoSwitch);
  ASSERT_EQ(StartProgrammerJob(250, 2), kBusOk);
  EXPECT_EQ(WaitIdle(busy), kStatusNoSwitch);
}

TEST_F(Family1, SwitchFoundAgainAfterItIsAttachedAndJob1Repeated) {
  station.SetFaults({.noSwitch = true});
  int busy = 0;
  ASSERT_EQ(StartProgrammerJob(250, 1), kBusOk);
  ASSERT_EQ(WaitIdle(busy), kStatusNoSwitch);
  station.ClearFaults();
  EXPECT_EQ(PollStatus(), kStatusNoSwitch);
  ASSERT_EQ(StartProgrammerJob(250, 1), kBusOk);
  EXPECT_EQ(WaitIdle(busy), kStatusReady);
}

TEST_F(Family1, UnknownJobIsRefused) { EXPECT_EQ(StartProgrammerJob(250, 3), kBusExceptionValue); }

TEST_F(Family1, BusyForeverNeverFinishes) {
  station.SetFaults({.programmerBusyForever = true});
  ASSERT_EQ(StartProgrammerJob(250, 1), kBusOk);
  for (int i = 0; i < 30; ++i) ASSERT_NE(PollStatus() & kStatusBusyMask, 0);
  station.ClearFaults();
  int busy = 0;
  EXPECT_EQ(WaitIdle(busy), kStatusReady);
}

TEST_F(Family1, SwitchRemovedAfterNRequests) {
  station.SetFaults({.removeSwitchAfter = 3});
  EXPECT_EQ(PollStatus(), kStatusReady);
  float volts = 0;
  std::uint8_t status = 0;
  ASSERT_EQ(ReadChannel(250, 2, volts, status), kBusOk);
  EXPECT_GT(volts, 0.5f);
  EXPECT_EQ(PollStatus(), kStatusReady);
  EXPECT_EQ(PollStatus(), kStatusNoSwitch);
  ASSERT_EQ(ReadChannel(250, 2, volts, status), kBusOk);
  EXPECT_EQ(volts, 0.0f);
}

TEST_F(Family1, LiveReadingsFollowTheDefaultSwitch) {
  station.SetMotion({});
  float pressure = 0;
  float volts = 0;
  std::uint8_t status = 0;
  ASSERT_EQ(ReadChannel(250, 1, pressure, status), kBusOk);
  ASSERT_EQ(ReadChannel(250, 2, volts, status), kBusOk);
  EXPECT_FLOAT_EQ(pressure, 4.2f);
  EXPECT_FLOAT_EQ(volts, 0.5f + 4.2f / 10.0f * 4.0f);
  ParameterBytes p0{};
  ASSERT_EQ(ReadParameter(250, 0, p0), kBusOk);
  // Output 1 (hysteresis 6/5 bar) open, output 2 (window 3…5 bar) closed.
  EXPECT_EQ(p0[2], 2);
}

TEST_F(Family1, LiveValuesMoveOverTime) {
  float first = 0;
  float later = 0;
  std::uint8_t status = 0;
  ASSERT_EQ(ReadChannel(250, 1, first, status), kBusOk);
  sim.clock.Advance(std::chrono::milliseconds(2500));
  ASSERT_EQ(ReadChannel(250, 1, later, status), kBusOk);
  EXPECT_NE(first, later);
  EXPECT_NEAR(later, 4.2f, 0.1f);
}

TEST_F(Family1, BrokenAnalogOutputReadsZeroVolts) {
  station.SetAnalogOutputWorks(false);
  float volts = 1;
  std::uint8_t status = 0;
  ASSERT_EQ(ReadChannel(250, 2, volts, status), kBusOk);
  EXPECT_EQ(volts, 0.0f);
}

TEST_F(Family1, UnknownNumbersGetException2) {
  float value = 0;
  ParameterBytes d{};
  std::uint8_t status = 0;
  EXPECT_EQ(ReadCoefficient(250, 71, value), kBusExceptionAddress);
  EXPECT_EQ(ReadCoefficient(250, 96, value), kBusExceptionAddress);
  EXPECT_EQ(ReadParameter(250, 4, d), kBusExceptionAddress);
  EXPECT_EQ(ReadChannel(250, 0, value, status), kBusExceptionAddress);
}

TEST_F(Family1, IdentifyWithCodeAnswersOnlyTheRightCode) {
  DeviceIdentity id;
  ASSERT_EQ(IdentifyWithCode(250, id), kBusOk);
  EXPECT_EQ(id.Class, 12);

  std::array<std::uint8_t, 16> wrong{250, kFnIdentify, kIdentifyCode[0],
                                     static_cast<std::uint8_t>(kIdentifyCode[1] ^ 0x01)};
  EXPECT_EQ(BusTransfer(wrong, kIdentifyWithCodeLengths.request, kIdentifyWithCodeLengths.reply),
            kBusNoAnswer);
}

TEST_F(Family1, SetBusAddressReportsTheStationsAddress) {
  std::uint8_t reported = 0;
  ASSERT_EQ(SetBusAddress(250, 0, reported), kBusOk);
  EXPECT_EQ(reported, 1);
}

TEST_F(Family1, ReadsShowTheProgrammersCopyUntilJob2) {
  station.Stored().coefficients[72] = 9.5f;
  float value = 0;
  ASSERT_EQ(ReadCoefficient(250, 72, value), kBusOk);
  EXPECT_FLOAT_EQ(value, 6.0f);
  station.SetBusyPolls(0);
  ASSERT_EQ(StartProgrammerJob(250, 2), kBusOk);
  ASSERT_EQ(ReadCoefficient(250, 72, value), kBusOk);
  EXPECT_FLOAT_EQ(value, 9.5f);
}

TEST_F(Family1, NormalProgrammingSurvivesANewReadOut) {
  station.SetBusyPolls(1);
  ParameterBytes p9{};
  ASSERT_EQ(StartProgrammerJob(250, 1), kBusOk);
  int busy = 0;
  ASSERT_EQ(WaitIdle(busy), kStatusReady);
  ASSERT_EQ(ReadParameter(250, 9, p9), kBusOk);
  ASSERT_EQ(WriteParameter(250, 9, {4, 29, 53, p9[3]}), kBusOk);
  ASSERT_EQ(WriteCoefficient(250, 72, 7.25f), kBusOk);
  ASSERT_EQ(WriteCoefficient(250, 73, 2.5f), kBusOk);

  // A new read-out: job 1, job 2, then the values from the programmer.
  ASSERT_EQ(StartProgrammerJob(250, 1), kBusOk);
  ASSERT_EQ(WaitIdle(busy), kStatusReady);
  ASSERT_EQ(StartProgrammerJob(250, 2), kBusOk);
  ASSERT_EQ(WaitIdle(busy), kStatusTransferred);
  float high = 0;
  float low = 0;
  ASSERT_EQ(ReadCoefficient(250, 72, high), kBusOk);
  ASSERT_EQ(ReadCoefficient(250, 73, low), kBusOk);
  ASSERT_EQ(ReadParameter(250, 9, p9), kBusOk);
  EXPECT_FLOAT_EQ(high, 7.25f);
  EXPECT_FLOAT_EQ(low, 2.5f);
  EXPECT_EQ(p9, (ParameterBytes{4, 29, 53, 0}));
  EXPECT_FLOAT_EQ(station.Stored().coefficients.at(72), 7.25f);
}

TEST_F(Family1, WritesWithoutSwitchAreLostAtTheNextTransfer) {
  station.SetBusyPolls(0);
  station.SetFaults({.noSwitch = true});
  ASSERT_EQ(WriteCoefficient(250, 72, 1.0f), kBusOk);
  station.ClearFaults();
  ASSERT_EQ(StartProgrammerJob(250, 2), kBusOk);
  float value = 0;
  ASSERT_EQ(ReadCoefficient(250, 72, value), kBusOk);
  EXPECT_FLOAT_EQ(value, 6.0f);
}

// The factory programming of one address, as production runs it.
TEST(Family1Factory, FactoryProgrammingReachesTheSwitch) {
  SimEnvironment sim;
  auto& station = sim.bus.Add<Family1Station>(std::uint8_t{7});
  ASSERT_EQ(sim.OpenLink(), kBusOk);
  DeviceIdentity id;
  int busy = 0;
  ASSERT_EQ(IdentifyWithCode(7, id), kBusOk);
  ASSERT_EQ(StartProgrammerJob(7, 1), kBusOk);
  for (busy = 0; busy < 21 && (PollStatus(7) != kStatusReady); ++busy) {
  }
  ASSERT_LT(busy, 21);
  ASSERT_EQ(WriteParameter(7, 0, {0, 0, 0, kProgrammerFactoryCode}), kBusOk);
  for (const auto& [number, value] : std::vector<std::pair<std::uint8_t, float>>{{80, 0.0f},
                                                                                 {81, 16.0f},
                                                                                 {86, -40.0f},
                                                                                 {87, 125.0f},
                                                                                 {94, 0.5f},
                                                                                 {95, 4.5f},
                                                                                 {72, 12.0f},
                                                                                 {73, 11.0f},
                                                                                 {78, 4.0f},
                                                                                 {79, 2.0f}}) {
    ASSERT_EQ(WriteCoefficient(7, number, value), kBusOk) << int{number};
  }
  ASSERT_EQ(WriteParameter(7, 2, {0x00, 0x00, 0x03, 0xE8}), kBusOk);
  ASSERT_EQ(WriteParameter(7, 3, {1, 2, 0, 0}), kBusOk);
  ASSERT_EQ(WriteParameter(7, 9, {3, 10, 20, 0}), kBusOk);
  ASSERT_EQ(WriteParameter(7, 10, {2, 0, 0, 0}), kBusOk);
  ASSERT_EQ(WriteParameter(7, 11, {25, 0, 0, 0}), kBusOk);
  ASSERT_EQ(StartProgrammerJob(7, 1), kBusOk);
  for (busy = 0; busy < 21 && (PollStatus(7) != kStatusReady); ++busy) {
  }
  ASSERT_LT(busy, 21);
  ASSERT_EQ(StartProgrammerJob(7, 2), kBusOk);

  const StationMemory& sw = station.Stored();
  EXPECT_EQ(sw.serialNumber, 1000);
  EXPECT_EQ(sw.parameters.at(0)[3], kProgrammerFactoryCode);
  EXPECT_EQ(sw.parameters.at(3), (ParameterBytes{1, 2, 0, 0}));
  EXPECT_EQ(sw.parameters.at(11), (ParameterBytes{25, 0, 0, 0}));
  EXPECT_FLOAT_EQ(sw.coefficients.at(81), 16.0f);
  EXPECT_FLOAT_EQ(sw.coefficients.at(93), 16.0f) << "the reported range follows";
  EXPECT_FLOAT_EQ(sw.coefficients.at(87), 125.0f);

  // A read-out afterwards sees it all.
  std::int32_t serial = 0;
  ParameterBytes p0{};
  float rangeMax = 0;
  ASSERT_EQ(ReadSerialNumber(7, serial), kBusOk);
  ASSERT_EQ(ReadParameter(7, 0, p0), kBusOk);
  ASSERT_EQ(ReadCoefficient(7, 93, rangeMax), kBusOk);
  EXPECT_EQ(serial, 1000);
  EXPECT_EQ(p0[3], kProgrammerFactoryCode);
  EXPECT_FLOAT_EQ(rangeMax, 16.0f);
}

}  // namespace
}  // namespace tarnwick
