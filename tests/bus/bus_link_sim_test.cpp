// The link against simulated stations on the virtual clock: real frames, the
// programmer's echo and 9600-baud byte timing, so that each result also shows
// how long it took and which waits it made.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

#include "bus/commands.h"
#include "bus/functions.h"
#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

using std::chrono::microseconds;

constexpr double kByteMicros = 10e6 / 9600;
constexpr double kTurnaroundMicros = 2000;
constexpr double kPauseMicros = 1000;
constexpr double kTimeoutMicros = 500000;

// ReadCoefficient: 5 request bytes echoed, 8 reply bytes.
constexpr double kAnsweredMicros = kPauseMicros + 13 * kByteMicros + kTurnaroundMicros;
// Bytes are missing, so the read runs to its time-out.
constexpr double kTimedOutMicros = kPauseMicros + kTimeoutMicros;
// The failure is followed by a quiet line of one read time-out.
constexpr double kFailedMicros = kPauseMicros + kTimeoutMicros;

struct SimRow {
  const char* name;
  std::function<void(SimEnvironment&, SimStation&)> arrange;
  BusResult expected;
  std::vector<int> sleeps;
  double elapsedMicros;
};

class SimResultTest : public ::testing::TestWithParam<SimRow> {
 protected:
  void SetUp() override {
    ASSERT_EQ(sim.OpenLink(), kBusOk);
    sim.ClearRecords();
  }

  SimEnvironment sim;
  Family2Station& station = sim.bus.Add<Family2Station>(std::uint8_t{1});
};

TEST_P(SimResultTest, ExchangeGivesTheResultAfterItsWaits) {
  GetParam().arrange(sim, station);
  std::array<std::uint8_t, 16> buffer{250, kFnReadCoefficient, 81};
  const microseconds start = sim.clock.Now();
  EXPECT_EQ(BusTransfer(buffer, 3, 6), GetParam().expected);
  EXPECT_EQ(sim.clock.Sleeps(), GetParam().sleeps);
  EXPECT_NEAR(static_cast<double>((sim.clock.Now() - start).count()), GetParam().elapsedMicros,
              1.0);
}

void Faults(SimStation& station, const StationFaults& faults) { station.SetFaults(faults); }

void PortFails(SimEnvironment& sim, const PortFaults& faults) {
  sim.factory.SetPortFaults(SimEnvironment::kSimCom, faults);
}

INSTANTIATE_TEST_SUITE_P(
    AllRows, SimResultTest,
    ::testing::Values(SimRow{"Success", [](auto&, auto&) {}, kBusOk, {1}, kAnsweredMicros},
                      SimRow{"PortNotPrepared",
                             [](auto& sim, auto&) { PortFails(sim, {.prepareFails = true}); },
                             kBusNotPrepared,
                             {500},
                             kTimeoutMicros},
                      SimRow{"WriteFails",
                             [](auto& sim, auto&) { PortFails(sim, {.writeFails = true}); },
                             kBusWriteFailed,
                             {1, 500},
                             kFailedMicros},
                      SimRow{"ShortWrite",
                             [](auto& sim, auto&) { PortFails(sim, {.writeAccepts = 4}); },
                             kBusWriteFailed,
                             {1, 500},
                             kFailedMicros},
                      SimRow{"ReadFails",
                             [](auto& sim, auto&) { PortFails(sim, {.readFails = true}); },
                             kBusReadFailed,
                             {1, 500},
                             kFailedMicros},
                      SimRow{"SilentStation",
                             [](auto&, auto& s) { Faults(s, {.silent = true}); },
                             kBusNoAnswer,
                             {1},
                             kTimedOutMicros},
                      SimRow{"OneWrongCrcByte",
                             [](auto&, auto& s) { Faults(s, {.corruptCrc = true}); },
                             kBusBadReply,
                             {1},
                             kAnsweredMicros},
                      SimRow{"GarbageAheadOfTheReply",
                             [](auto&, auto& s) {
                               Faults(s, {.garbageBefore = {0x00, 0xFF}});
                             },
                             kBusBadReply,
                             {1},
                             kAnsweredMicros},
                      // Address, function and CRC: four bytes, one short of the smallest reply.
                      SimRow{"FourByteReply",
                             [](auto&, auto& s) { Faults(s, {.shortReplyBy = 4}); },
                             kBusBadReply,
                             {1},
                             kTimedOutMicros},
                      // An exception reply is shorter than the reply asked for, so it costs the
                      // whole read time-out.
                      SimRow{"Exception2",
                             [](auto&, auto& s) { Faults(s, {.exception = 2}); },
                             kBusExceptionAddress,
                             {1},
                             kTimedOutMicros},
                      SimRow{"Exception32",
                             [](auto&, auto& s) { Faults(s, {.exception = 32}); },
                             kBusExceptionDevice,
                             {1},
                             kTimedOutMicros},
                      SimRow{"UnknownException7",
                             [](auto&, auto& s) { Faults(s, {.exception = 7}); },
                             kBusBadReply,
                             {1},
                             kTimedOutMicros},
                      SimRow{"FiveByteNormalReply",
                             [](auto&, auto& s) { Faults(s, {.shortReplyBy = 3}); },
                             kBusOk,
                             {1},
                             kTimedOutMicros}),
    [](const auto& info) { return std::string(info.param.name); });

class SimLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(sim.OpenLink(), kBusOk);
    sim.ClearRecords();
  }
  double ElapsedSince(microseconds start) const {
    return static_cast<double>((sim.clock.Now() - start).count());
  }

  SimEnvironment sim;
  Family1Station& programmer = sim.bus.Add<Family1Station>(std::uint8_t{1});
  Family2Station& device = sim.bus.Add<Family2Station>(std::uint8_t{2});
};

TEST_F(SimLinkTest, BroadcastIsSentThenTheLineRestsWithoutARead) {
  const microseconds start = sim.clock.Now();
  EXPECT_EQ(WriteCoefficient(0, 72, 1.5f), kBusBroadcastSent);
  EXPECT_EQ(sim.clock.Sleeps(), (std::vector<int>{1, 500}));
  // A read would have added its own time-out.
  EXPECT_NEAR(ElapsedSince(start), kPauseMicros + kTimeoutMicros, 1.0);
  EXPECT_EQ(sim.bus.LoggedFrames(),
            (std::vector<RequestFrame>{{0, kFnWriteCoefficient, {72, 0x3F, 0xC0, 0x00, 0x00}}}));
}

TEST_F(SimLinkTest, OpenSettlesHalfASecondAndAFailedOpenWaitsOneTimeout) {
  BusClose();
  microseconds start = sim.clock.Now();
  ASSERT_EQ(BusOpen(SimEnvironment::kSimCom, 200, 9600), kBusOk);
  EXPECT_NEAR(ElapsedSince(start), 500000, 0.0) << "the settling time ignores the time-out";

  sim.factory.SetBusy(SimEnvironment::kSimCom, true);
  BusClose();
  start = sim.clock.Now();
  EXPECT_EQ(BusOpen(SimEnvironment::kSimCom, 200, 9600), kBusOpenFailed);
  EXPECT_EQ(TheBusLink().LastOpenError(), PortError::kBusy);
  EXPECT_NEAR(ElapsedSince(start), 200000, 0.0);

  start = sim.clock.Now();
  EXPECT_EQ(BusOpen(SimEnvironment::kSimCom + 1, 0, 9600), kBusOpenFailed);
  EXPECT_EQ(TheBusLink().LastOpenError(), PortError::kNotFound);
  EXPECT_NEAR(ElapsedSince(start), 500000, 0.0) << "a time-out of 0 means 500 ms";
}

TEST_F(SimLinkTest, AReplyTooLateForItsExchangeIsPurgedByTheNext) {
  BusClose();
  // The stations answer only after the read time-out has passed.
  sim.factory.SetTiming({.turnaround = std::chrono::milliseconds(600)});
  ASSERT_EQ(sim.OpenLink(), kBusOk);
  DeviceIdentity id;
  const microseconds start = sim.clock.Now();
  EXPECT_EQ(Identify(1, id), kBusNoAnswer);
  EXPECT_NEAR(ElapsedSince(start), kTimedOutMicros, 1.0);

  sim.clock.Advance(std::chrono::seconds(1));
  std::array<std::uint8_t, 14> buffer{1, kFnIdentify};
  EXPECT_EQ(BusTransfer(buffer, 2, 8), kBusNoAnswer) << "the old reply did not reach this read";
  EXPECT_EQ(buffer[1], kFnIdentify);
  EXPECT_EQ(buffer[2], 0x34) << "the echo of this request, not bytes of the old reply";
  EXPECT_EQ(buffer[3], 0x00);
}

TEST_F(SimLinkTest, EveryCommandPutsItsFrameOnTheBusAndDecodesItsReply) {
  programmer.SetMotion({});
  float value = 0;
  DeviceIdentity id;
  std::uint8_t reported = 0;
  std::int32_t serial = 0;
  std::uint8_t status = 0xFF;
  ConfigBytes r{};
  ParameterBytes d{};
  ASSERT_EQ(ReadCoefficient(1, 93, value), kBusOk);
  EXPECT_EQ(value, 10.0f);
  ASSERT_EQ(WriteCoefficient(1, 72, 2.5f), kBusOk);
  ASSERT_EQ(Identify(1, id), kBusOk);
  EXPECT_EQ(id, (DeviceIdentity{12, 1, 5, 12, 0, 0}));
  ASSERT_EQ(IdentifyWithCode(1, id), kBusOk);
  ASSERT_EQ(SetBusAddress(1, 0, reported), kBusOk);
  EXPECT_EQ(reported, 1);
  ASSERT_EQ(ReadSerialNumber(1, serial), kBusOk);
  EXPECT_EQ(serial, 310042);
  ASSERT_EQ(ReadChannel(1, 1, value, status), kBusOk);
  EXPECT_EQ(value, 4.2f);
  EXPECT_EQ(status, 0);
  ASSERT_EQ(ReadConfig(2, 18, r), kBusOk);
  EXPECT_EQ(r[1], 0x19);
  ASSERT_EQ(WriteConfig(2, 18, {0x29, 0x01, 0, 0, 0}), kBusOk);
  ASSERT_EQ(ReadParameter(1, 9, d), kBusOk);
  EXPECT_EQ(d, (ParameterBytes{1, 25, 50, 0}));
  ASSERT_EQ(WriteParameter(1, 10, {4, 1, 2, 0}), kBusOk);
  ASSERT_EQ(StartProgrammerJob(1, 2), kBusOk);

  const std::vector<RequestFrame> expected{
      {1, kFnReadCoefficient, {93}},
      {1, kFnWriteCoefficient, {72, 0x40, 0x20, 0x00, 0x00}},
      {1, kFnIdentify, {}},
      {1, kFnIdentify, {kIdentifyCode[0], kIdentifyCode[1]}},
      {1, kFnSetBusAddress, {0}},
      {1, kFnReadSerialNumber, {}},
      {1, kFnReadChannel, {1}},
      {2, kFnReadConfig, {18}},
      {2, kFnWriteConfig, {18, 0x29, 0x01, 0, 0, 0}},
      {1, kFnReadParameter, {9}},
      {1, kFnWriteParameter, {10, 4, 1, 2, 0}},
      {1, kFnStartProgrammerJob, {2}},
  };
  EXPECT_EQ(sim.bus.LoggedFrames(), expected);
}

TEST_F(SimLinkTest, EveryReadingCommandLeavesItsOutArgumentsOnFailure) {
  programmer.SetFaults({.silent = true});
  float value = -3.0f;
  DeviceIdentity id{1, 2, 3, 4, 5, 6};
  std::uint8_t reported = 77;
  std::int32_t serial = -9;
  std::uint8_t status = 88;
  ConfigBytes r{9, 8, 7, 6, 5};
  ParameterBytes d{4, 3, 2, 1};
  EXPECT_EQ(ReadCoefficient(1, 72, value), kBusNoAnswer);
  EXPECT_EQ(Identify(1, id), kBusNoAnswer);
  EXPECT_EQ(IdentifyWithCode(1, id), kBusNoAnswer);
  EXPECT_EQ(SetBusAddress(1, 0, reported), kBusNoAnswer);
  EXPECT_EQ(ReadSerialNumber(1, serial), kBusNoAnswer);
  EXPECT_EQ(ReadChannel(1, 1, value, status), kBusNoAnswer);
  EXPECT_EQ(ReadParameter(1, 9, d), kBusNoAnswer);
  // Family 2 has no register 11: an exception, which is a failure too.
  EXPECT_EQ(ReadConfig(2, 11, r), kBusExceptionAddress);

  EXPECT_EQ(value, -3.0f);
  EXPECT_EQ(id, (DeviceIdentity{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(reported, 77);
  EXPECT_EQ(serial, -9);
  EXPECT_EQ(status, 88);
  EXPECT_EQ(r, (ConfigBytes{9, 8, 7, 6, 5}));
  EXPECT_EQ(d, (ParameterBytes{4, 3, 2, 1}));
}

}  // namespace
}  // namespace tarnwick
