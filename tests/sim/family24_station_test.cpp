#include <gtest/gtest.h>

#include "bus/commands.h"
#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

class Family2Test : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(sim.OpenLink(), kBusOk);
    station.SetMotion({});
  }

  SimEnvironment sim;
  Family2Station& station = sim.bus.Add<Family2Station>(std::uint8_t{5});
};

TEST_F(Family2Test, DefaultIsA16BarDevice) {
  DeviceIdentity id;
  ASSERT_EQ(Identify(250, id), kBusOk);
  EXPECT_EQ(id.Class, 11);
  EXPECT_EQ(id.Group, 10);
  float min = -1;
  float max = -1;
  ASSERT_EQ(ReadCoefficient(250, 80, min), kBusOk);
  ASSERT_EQ(ReadCoefficient(250, 81, max), kBusOk);
  EXPECT_EQ(min, 0.0f);
  EXPECT_EQ(max, 16.0f);
  std::uint8_t reported = 0;
  ASSERT_EQ(SetBusAddress(250, 0, reported), kBusOk);
  EXPECT_EQ(reported, 5);
}

TEST_F(Family2Test, Register18HoldsModesAndLiveSwitchStates) {
  ConfigBytes r{};
  ASSERT_EQ(ReadConfig(250, 18, r), kBusOk);
  EXPECT_EQ(r[0], 0x01);
  EXPECT_EQ(r[1], 0x19);
  // 9 bar: output 1 (hysteresis 8/7) closed, output 2 (window NC 6…12) open.
  EXPECT_EQ(r[4], 1);

  ASSERT_EQ(WriteConfig(250, 18, {0x29, 0x11, r[2], r[3], r[4]}), kBusOk);
  ASSERT_EQ(ReadConfig(250, 18, r), kBusOk);
  EXPECT_EQ(r[0], 0x29);
  EXPECT_EQ(r[1], 0x11);
  EXPECT_EQ(r[4], 2) << "output 1 off, output 2 window NO closed";
}

TEST_F(Family2Test, PressureOnChannel1Only) {
  float pressure = 0;
  std::uint8_t status = 1;
  ASSERT_EQ(ReadChannel(250, 1, pressure, status), kBusOk);
  EXPECT_FLOAT_EQ(pressure, 9.0f);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadChannel(250, 0, pressure, status), kBusExceptionAddress);
}

TEST_F(Family2Test, NoProgrammerFunctions) {
  DeviceIdentity id;
  ParameterBytes d{};
  EXPECT_EQ(StartProgrammerJob(250, 1), kBusExceptionFunction);
  EXPECT_EQ(IdentifyWithCode(250, id), kBusExceptionFunction);
  EXPECT_EQ(ReadParameter(250, 9, d), kBusExceptionAddress);
}

TEST_F(Family2Test, CoefficientWritesStay) {
  ASSERT_EQ(WriteCoefficient(250, 78, 13.5f), kBusOk);
  float value = 0;
  ASSERT_EQ(ReadCoefficient(250, 78, value), kBusOk);
  EXPECT_FLOAT_EQ(value, 13.5f);
  EXPECT_EQ(WriteCoefficient(250, 92, 1.0f), kBusExceptionAddress);
}

class Family4Test : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(sim.OpenLink(), kBusOk);
    station.SetMotion({});
  }

  SimEnvironment sim;
  Family4Station& station = sim.bus.Add<Family4Station>(std::uint8_t{5}, 6, 4);
};

TEST_F(Family4Test, VersionIsConfigurable) {
  DeviceIdentity id;
  ASSERT_EQ(Identify(5, id), kBusOk);
  EXPECT_EQ(id, (DeviceIdentity{15, 1, 6, 4, 0, 0}));
}

TEST_F(Family4Test, LevelSwitchesAndUnit) {
  float level = 0;
  std::uint8_t status = 0;
  ASSERT_EQ(ReadChannel(5, 0, level, status), kBusOk);
  EXPECT_FLOAT_EQ(level, 523.4f);
  ParameterBytes p{};
  ASSERT_EQ(ReadParameter(5, 0, p), kBusOk);
  EXPECT_EQ(p[2], 2) << "output 2 (window 400…600 l) closed";
  ASSERT_EQ(ReadParameter(5, 9, p), kBusOk);
  EXPECT_EQ(p, (ParameterBytes{1, 5, 2, 0}));
  ConfigBytes r{};
  ASSERT_EQ(ReadConfig(5, 11, r), kBusOk);
  EXPECT_EQ(r[0], 0);
}

TEST_F(Family4Test, WrittenSettingsChangeTheOutputs) {
  ASSERT_EQ(WriteParameter(250, 9, {4, 0, 0, 0}), kBusOk);  // window NC
  ASSERT_EQ(WriteCoefficient(250, 72, 600.0f), kBusOk);
  ASSERT_EQ(WriteCoefficient(250, 73, 500.0f), kBusOk);
  ASSERT_EQ(WriteConfig(5, 11, {2, 0, 0, 0, 0}), kBusOk);
  ParameterBytes p{};
  ASSERT_EQ(ReadParameter(5, 0, p), kBusOk);
  EXPECT_EQ(p[2], 2) << "523 l is inside 500…600, so the NC output 1 opens";
  ConfigBytes r{};
  ASSERT_EQ(ReadConfig(5, 11, r), kBusOk);
  EXPECT_EQ(r[0], 2);
  EXPECT_EQ(ReadConfig(5, 18, r), kBusExceptionAddress);
}

}  // namespace
}  // namespace tarnwick
