// The link against simulated stations on the virtual clock: real frames, the
// programmer's echo and 9600-baud byte timing, so that each result also shows
// how long it took and which waits it made.
#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

#include "bus/device_commands.h"
#include "bus/protocol_numbers.h"
#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

using std::chrono::microseconds;

constexpr double kByteMicros = 10e6 / 9600;
constexpr double kTimeoutMicros = 500000;
// ReadCoefficient: 1 ms pause, 5 request bytes echoed, 2 ms turnaround, 8 reply bytes.
constexpr double kAnsweredMicros = 1000 + 13 * kByteMicros + 2000;
// Bytes are missing, so the read runs to its time-out; a failure of the port
// itself is followed by a quiet line of the same length instead.
constexpr double kTimedOutMicros = 1000 + kTimeoutMicros;

class SimLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(sim.OpenLink(), BusResult::kOk);
    sim.ClearRecords();
  }
  double ElapsedSince(microseconds start) const {
    return static_cast<double>((sim.clock.Now() - start).count());
  }

  SimEnvironment sim;
  Family1Station& programmer = sim.bus.Add<Family1Station>(std::uint8_t{1});
  Family2Station& device = sim.bus.Add<Family2Station>(std::uint8_t{2});
};

// Every row of the result table, with the waits each one costs.
struct ResultRow {
  const char* name;
  StationFaults station;
  PortFaults port;
  BusResult expected;
  std::vector<int> sleeps;
  double elapsedMicros;
};

class ResultTableTest : public SimLinkTest, public ::testing::WithParamInterface<ResultRow> {};

TEST_P(ResultTableTest, ExchangeGivesTheResultAfterItsWaits) {
  device.SetFaults(GetParam().station);
  sim.factory.SetPortFaults(SimEnvironment::kSimCom, GetParam().port);
  std::array<std::uint8_t, 16> buffer{2, kFnReadCoefficient, 81};
  const microseconds start = sim.clock.Now();
  EXPECT_EQ(sim.link.Transfer(buffer, 3, 6), GetParam().expected);
  EXPECT_EQ(sim.clock.Sleeps(), GetParam().sleeps);
  EXPECT_NEAR(ElapsedSince(start), GetParam().elapsedMicros, 1.0);
}

// An exception reply is shorter than the reply asked for, so it costs the
// whole read time-out; so does a reply with data bytes missing.
INSTANTIATE_TEST_SUITE_P(
    AllRows, ResultTableTest,
    ::testing::Values(
        ResultRow{"Success", {}, {}, BusResult::kOk, {1}, kAnsweredMicros},
        ResultRow{"PortNotPrepared",
                  {},
                  {.prepareFails = true},
                  BusResult::kNotPrepared,
                  {500},
                  kTimeoutMicros},
        ResultRow{"ShortWrite",
                  {},
                  {.writeAccepts = 4},
                  BusResult::kWriteFailed,
                  {1, 500},
                  kTimedOutMicros},
        ResultRow{"ReadFails",
                  {},
                  {.readFails = true},
                  BusResult::kReadFailed,
                  {1, 500},
                  kTimedOutMicros},
        ResultRow{
            "SilentStation", {.silent = true}, {}, BusResult::kNoAnswer, {1}, kTimedOutMicros},
        ResultRow{"WrongCrc", {.corruptCrc = true}, {}, BusResult::kBadReply, {1}, kAnsweredMicros},
        ResultRow{"GarbageAheadOfTheReply",
                  {.garbageBefore = {0x00, 0xFF}},
                  {},
                  BusResult::kBadReply,
                  {1},
                  kAnsweredMicros},
        // Address, function and CRC: one byte short of the smallest reply.
        ResultRow{
            "FourByteReply", {.shortReplyBy = 4}, {}, BusResult::kBadReply, {1}, kTimedOutMicros},
        // CRC-valid but without the fields the command decodes.
        ResultRow{"FiveByteNormalReply",
                  {.shortReplyBy = 3},
                  {},
                  BusResult::kBadReply,
                  {1},
                  kTimedOutMicros},
        ResultRow{
            "OneByteShort", {.shortReplyBy = 1}, {}, BusResult::kBadReply, {1}, kTimedOutMicros},
        ResultRow{"Exception1",
                  {.exception = 1},
                  {},
                  BusResult::kExceptionFunction,
                  {1},
                  kTimedOutMicros},
        ResultRow{
            "Exception2", {.exception = 2}, {}, BusResult::kExceptionAddress, {1}, kTimedOutMicros},
        ResultRow{
            "Exception3", {.exception = 3}, {}, BusResult::kExceptionValue, {1}, kTimedOutMicros},
        ResultRow{"Exception32",
                  {.exception = 32},
                  {},
                  BusResult::kExceptionDevice,
                  {1},
                  kTimedOutMicros},
        ResultRow{
            "UnknownException7", {.exception = 7}, {}, BusResult::kBadReply, {1}, kTimedOutMicros}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimLinkTest, BroadcastIsSentThenTheLineRestsWithoutAReadAndNobodyActs) {
  const microseconds start = sim.clock.Now();
  EXPECT_EQ(WriteCoefficient(sim.link, 0, 72, 1.5f), BusResult::kBroadcastSent);
  EXPECT_EQ(sim.clock.Sleeps(), (std::vector<int>{1, 500}));
  EXPECT_NEAR(ElapsedSince(start), kTimedOutMicros, 1.0) << "a read would add its own time-out";
  EXPECT_EQ(sim.bus.LoggedFrames(),
            (std::vector<RequestFrame>{{0, kFnWriteCoefficient, {72, 0x3F, 0xC0, 0x00, 0x00}}}));
  EXPECT_FLOAT_EQ(device.Stored().coefficients.at(72), 8.0f);
}

TEST_F(SimLinkTest, AReplyTooLateForItsExchangeIsPurgedByTheNext) {
  sim.link.Close();
  sim.factory.SetTiming({.turnaround = std::chrono::milliseconds(600)});
  ASSERT_EQ(sim.OpenLink(), BusResult::kOk);
  DeviceIdentity id;
  EXPECT_EQ(Identify(sim.link, 1, id), BusResult::kNoAnswer);

  sim.clock.Advance(std::chrono::seconds(1));
  std::array<std::uint8_t, 14> buffer{1, kFnIdentify};
  EXPECT_EQ(sim.link.Transfer(buffer, 2, 8), BusResult::kNoAnswer)
      << "the old reply did not reach this read";
  EXPECT_EQ(buffer[2], 0x34) << "the echo of this request, not bytes of the old reply";
}

TEST_F(SimLinkTest, EveryCommandPutsItsFrameOnTheBusAndDecodesItsReplyButNotAFailure) {
  programmer.SetMotion({});
  float value = 0;
  DeviceIdentity id;
  std::uint8_t reported = 0;
  std::int32_t serial = 0;
  std::uint8_t status = 0xFF;
  ConfigBytes r{};
  ParameterBytes d{};
  ASSERT_EQ(ReadCoefficient(sim.link, 1, 93, value), BusResult::kOk);
  EXPECT_EQ(value, 10.0f);
  ASSERT_EQ(WriteCoefficient(sim.link, 1, 72, 2.5f), BusResult::kOk);
  ASSERT_EQ(Identify(sim.link, 1, id), BusResult::kOk);
  EXPECT_EQ(id, (DeviceIdentity{12, 1, 5, 12, 0, 0}));
  ASSERT_EQ(IdentifyWithCode(sim.link, 1, id), BusResult::kOk);
  ASSERT_EQ(SetBusAddress(sim.link, 1, 0, reported), BusResult::kOk);
  EXPECT_EQ(reported, 1);
  ASSERT_EQ(ReadSerialNumber(sim.link, 1, serial), BusResult::kOk);
  EXPECT_EQ(serial, 310042);
  ASSERT_EQ(ReadChannel(sim.link, 1, 1, value, status), BusResult::kOk);
  EXPECT_EQ(value, 4.2f);
  EXPECT_EQ(status, 0);
  ASSERT_EQ(ReadConfig(sim.link, 2, 18, r), BusResult::kOk);
  EXPECT_EQ(r[1], 0x19);
  ASSERT_EQ(WriteConfig(sim.link, 2, 18, {0x29, 0x01, 0, 0, 0}), BusResult::kOk);
  ASSERT_EQ(ReadParameter(sim.link, 1, 9, d), BusResult::kOk);
  EXPECT_EQ(d, (ParameterBytes{1, 25, 50, 0}));
  ASSERT_EQ(WriteParameter(sim.link, 1, 10, {4, 1, 2, 0}), BusResult::kOk);
  ASSERT_EQ(StartProgrammerJob(sim.link, 1, 2), BusResult::kOk);

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

  // A failed command leaves its out-arguments as they were.
  programmer.SetFaults({.silent = true});
  status = 0x88;  // not the 0 a cleared status byte would leave
  const auto before = std::tuple(value, id, reported, serial, status, r, d);
  EXPECT_EQ(ReadCoefficient(sim.link, 1, 72, value), BusResult::kNoAnswer);
  EXPECT_EQ(Identify(sim.link, 1, id), BusResult::kNoAnswer);
  EXPECT_EQ(IdentifyWithCode(sim.link, 1, id), BusResult::kNoAnswer);
  EXPECT_EQ(SetBusAddress(sim.link, 1, 0, reported), BusResult::kNoAnswer);
  EXPECT_EQ(ReadSerialNumber(sim.link, 1, serial), BusResult::kNoAnswer);
  EXPECT_EQ(ReadChannel(sim.link, 1, 1, value, status), BusResult::kNoAnswer);
  EXPECT_EQ(ReadParameter(sim.link, 1, 9, d), BusResult::kNoAnswer);
  // Family 2 has no register 11: an exception, which is a failure too.
  EXPECT_EQ(ReadConfig(sim.link, 2, 11, r), BusResult::kExceptionAddress);
  EXPECT_TRUE(std::tuple(value, id, reported, serial, status, r, d) == before);

  // A reply one byte short of its command's length is malformed, whatever it carries.
  programmer.SetFaults({.shortReplyBy = 1});
  device.SetFaults({.shortReplyBy = 1});
  EXPECT_EQ(ReadCoefficient(sim.link, 1, 72, value), BusResult::kBadReply);
  EXPECT_EQ(WriteCoefficient(sim.link, 1, 72, 2.5f), BusResult::kBadReply);
  EXPECT_EQ(Identify(sim.link, 1, id), BusResult::kBadReply);
  EXPECT_EQ(IdentifyWithCode(sim.link, 1, id), BusResult::kBadReply);
  EXPECT_EQ(SetBusAddress(sim.link, 1, 0, reported), BusResult::kBadReply);
  EXPECT_EQ(ReadSerialNumber(sim.link, 1, serial), BusResult::kBadReply);
  EXPECT_EQ(ReadChannel(sim.link, 1, 1, value, status), BusResult::kBadReply);
  EXPECT_EQ(ReadConfig(sim.link, 2, 18, r), BusResult::kBadReply);
  EXPECT_EQ(WriteConfig(sim.link, 2, 18, {0x29, 0x01, 0, 0, 0}), BusResult::kBadReply);
  EXPECT_EQ(ReadParameter(sim.link, 1, 9, d), BusResult::kBadReply);
  EXPECT_EQ(WriteParameter(sim.link, 1, 10, {4, 1, 2, 0}), BusResult::kBadReply);
  EXPECT_EQ(StartProgrammerJob(sim.link, 1, 2), BusResult::kBadReply);
  EXPECT_TRUE(std::tuple(value, id, reported, serial, status, r, d) == before);
}

}  // namespace
}  // namespace tarnwick
