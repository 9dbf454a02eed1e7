#include <gtest/gtest.h>

#include "bus/device_commands.h"
#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

class Family2Test : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(sim.OpenLink(), BusResult::kOk);
    station.SetMotion({});
  }

  SimEnvironment sim;
  Family2Station& station = sim.bus.Add<Family2Station>(std::uint8_t{5});
};

TEST_F(Family2Test, TellsItsAddressAndRefusesWhatItCannotDo) {
  std::uint8_t reported = 0;
  ASSERT_EQ(SetBusAddress(sim.link, 250, 0, reported), BusResult::kOk);
  EXPECT_EQ(reported, 5);
  DeviceIdentity id;
  ParameterBytes d{};
  float value = 0;
  std::uint8_t status = 0;
  EXPECT_EQ(StartProgrammerJob(sim.link, 250, 1), BusResult::kExceptionFunction);
  EXPECT_EQ(IdentifyWithCode(sim.link, 250, id), BusResult::kExceptionFunction);
  EXPECT_EQ(ReadParameter(sim.link, 250, 9, d), BusResult::kExceptionAddress);
  EXPECT_EQ(ReadChannel(sim.link, 250, 0, value, status), BusResult::kExceptionAddress);
  EXPECT_EQ(WriteCoefficient(sim.link, 250, 92, 1.0f), BusResult::kExceptionAddress);
  std::array<std::uint8_t, 16> unknownFunction{250, 0x05, 0x11};
  EXPECT_EQ(sim.link.Transfer(unknownFunction, 3, 3), BusResult::kExceptionFunction);
}

TEST_F(Family2Test, Register18HoldsModesAndLiveSwitchStates) {
  ConfigBytes r{};
  ASSERT_EQ(ReadConfig(sim.link, 250, 18, r), BusResult::kOk);
  EXPECT_EQ(r[0], 0x01);
  EXPECT_EQ(r[1], 0x19);
  // 9 bar: output 1 (hysteresis 8/7) closed, output 2 (window NC 6…12) open.
  EXPECT_EQ(r[4], 1);

  ASSERT_EQ(WriteConfig(sim.link, 250, 18, {0x29, 0x11, r[2], r[3], r[4]}), BusResult::kOk);
  ASSERT_EQ(ReadConfig(sim.link, 250, 18, r), BusResult::kOk);
  EXPECT_EQ(r[0], 0x29);
  EXPECT_EQ(r[1], 0x11);
  EXPECT_EQ(r[4], 2) << "output 1 off, output 2 window NO closed";
}

TEST(Family4Station, WrittenSettingsChangeTheOutputs) {
  SimEnvironment sim;
  sim.bus.Add<Family4Station>(std::uint8_t{5}, 6, 4).SetMotion({});
  ASSERT_EQ(sim.OpenLink(), BusResult::kOk);
  ParameterBytes p{};
  ASSERT_EQ(ReadParameter(sim.link, 5, 0, p), BusResult::kOk);
  EXPECT_EQ(p[2], 2) << "523 l: output 1 (hysteresis 800/700 l) open, output 2 (window "
                        "400…600 l) closed";

  ASSERT_EQ(WriteParameter(sim.link, 250, 9, {3, 0, 0, 0}), BusResult::kOk);  // window NO
  ASSERT_EQ(WriteCoefficient(sim.link, 250, 72, 600.0f), BusResult::kOk);
  ASSERT_EQ(WriteCoefficient(sim.link, 250, 73, 500.0f), BusResult::kOk);
  ASSERT_EQ(ReadParameter(sim.link, 5, 0, p), BusResult::kOk);
  EXPECT_EQ(p[2], 3) << "523 l is inside 500…600, so output 1 closes";
}

}  // namespace
}  // namespace tarnwick
