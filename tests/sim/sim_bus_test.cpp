#include <gtest/gtest.h>

#include "bus/bus_crc.h"
#include "bus/commands.h"
#include "bus/functions.h"
#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

class SimBusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(sim.OpenLink(), kBusOk);
    sim.ClearRecords();
  }

  SimEnvironment sim;
};

TEST_F(SimBusTest, RequestEchoPrecedesTheReply) {
  sim.bus.Add<Family1Station>(std::uint8_t{1});
  std::array<std::uint8_t, 14> buffer{250, kFnIdentify};
  ASSERT_EQ(BusTransfer(buffer, 2, 8), kBusOk);
  const std::array<std::uint8_t, 4> echo{0xFA, 0x30, 0x04, 0x43};
  EXPECT_TRUE(std::equal(echo.begin(), echo.end(), buffer.begin()));
  EXPECT_EQ(buffer[4], 1) << "the reply carries the station's own address";
  EXPECT_EQ(buffer[5], kFnIdentify);
}

TEST_F(SimBusTest, EchoComesEvenWhenNobodyAnswers) {
  sim.bus.Add<Family1Station>(std::uint8_t{1}).SetFaults({.silent = true});
  std::array<std::uint8_t, 14> buffer{250, kFnIdentify};
  EXPECT_EQ(BusTransfer(buffer, 2, 8), kBusNoAnswer);
  EXPECT_EQ(buffer[2], 0x04);
  EXPECT_EQ(buffer[3], 0x43);
}

TEST_F(SimBusTest, BroadcastIsLoggedButNobodyAnswers) {
  auto& station = sim.bus.Add<Family1Station>(std::uint8_t{1});
  DeviceIdentity id;
  EXPECT_EQ(Identify(0, id), kBusBroadcastSent);
  EXPECT_EQ(sim.bus.LoggedFrames(), (std::vector<RequestFrame>{{0, kFnIdentify, {}}}));
  EXPECT_EQ(WriteCoefficient(0, 72, 1.0f), kBusBroadcastSent);
  EXPECT_FLOAT_EQ(station.Stored().coefficients.at(72), 6.0f);
}

TEST_F(SimBusTest, EachStationAnswersItsOwnAddress) {
  sim.bus.Add<Family1Station>(std::uint8_t{3});
  sim.bus.Add<Family2Station>(std::uint8_t{5});
  sim.bus.Add<Family4Station>(std::uint8_t{9});
  DeviceIdentity id;
  ASSERT_EQ(Identify(3, id), kBusOk);
  EXPECT_EQ(id.Class, 12);
  ASSERT_EQ(Identify(5, id), kBusOk);
  EXPECT_EQ(id.Class, 11);
  ASSERT_EQ(Identify(9, id), kBusOk);
  EXPECT_EQ(id, (DeviceIdentity{15, 1, 10, 0, 0, 0}));
  EXPECT_EQ(Identify(4, id), kBusNoAnswer);
}

TEST_F(SimBusTest, SeveralStationsCollideAt250) {
  sim.bus.Add<Family1Station>(std::uint8_t{3});
  sim.bus.Add<Family1Station>(std::uint8_t{4});
  DeviceIdentity id;
  EXPECT_EQ(Identify(250, id), kBusBadReply);
  EXPECT_EQ(Identify(3, id), kBusOk);
}

TEST_F(SimBusTest, NoCollisionWhenTheOtherStationIsSilent) {
  sim.bus.Add<Family1Station>(std::uint8_t{3});
  sim.bus.Add<Family2Station>(std::uint8_t{4}).SetFaults({.silent = true});
  DeviceIdentity id;
  ASSERT_EQ(Identify(250, id), kBusOk);
  EXPECT_EQ(id.Class, 12);
}

TEST_F(SimBusTest, UnknownFunctionGetsException1) {
  sim.bus.Add<Family2Station>(std::uint8_t{1});
  std::array<std::uint8_t, 16> buffer{250, 0x05, 0x11};
  EXPECT_EQ(BusTransfer(buffer, 3, 3), kBusExceptionFunction);
  EXPECT_EQ(sim.bus.LoggedFrames(), (std::vector<RequestFrame>{{250, 0x05, {0x11}}}));
}

TEST_F(SimBusTest, RequestLogHoldsExactFramesWithTheirTimes) {
  sim.bus.Add<Family1Station>(std::uint8_t{1});
  ASSERT_EQ(WriteCoefficient(250, 72, 2.5f), kBusOk);
  ParameterBytes d{};
  ASSERT_EQ(ReadParameter(1, 9, d), kBusOk);
  const auto& log = sim.bus.RequestLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].frame, (RequestFrame{250, kFnWriteCoefficient, {72, 0x40, 0x20, 0x00, 0x00}}));
  EXPECT_EQ(log[1].frame, (RequestFrame{1, kFnReadParameter, {9}}));
  EXPECT_LT(log[0].time, log[1].time);
  EXPECT_LE(log[1].time, sim.clock.Now());
  sim.bus.ClearRequestLog();
  EXPECT_TRUE(sim.bus.RequestLog().empty());
}

TEST_F(SimBusTest, WritesMarkTheStoredStateChanged) {
  sim.bus.Add<Family2Station>(std::uint8_t{1});
  float value = 0;
  ASSERT_EQ(ReadCoefficient(250, 72, value), kBusOk);
  EXPECT_FALSE(sim.bus.TakeStoredChanged());
  ASSERT_EQ(WriteCoefficient(250, 72, value + 1), kBusOk);
  EXPECT_TRUE(sim.bus.TakeStoredChanged());
  EXPECT_FALSE(sim.bus.TakeStoredChanged());
}

TEST_F(SimBusTest, SetBusAddressWithNonZeroMovesTheStation) {
  sim.bus.Add<Family2Station>(std::uint8_t{1});
  std::uint8_t reported = 0;
  ASSERT_EQ(SetBusAddress(250, 17, reported), kBusOk);
  EXPECT_EQ(reported, 17);
  DeviceIdentity id;
  EXPECT_EQ(Identify(17, id), kBusOk);
  EXPECT_EQ(Identify(1, id), kBusNoAnswer);
}

}  // namespace
}  // namespace tarnwick
