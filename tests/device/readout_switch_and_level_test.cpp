#include <gtest/gtest.h>

#include "device/readout_engines.h"
#include "device/recording_observer.h"
#include "device/sim_requests.h"
#include "support/family_numbers.h"
#include "support/sample_readouts.h"
#include "support/sim_fixture.h"

namespace tarnwick {
namespace {

using enum SwitchFunction;
using enum SwitchContact;

class ReadOutFamily24Test : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(sim.OpenLink(), BusResult::kOk); }

  template <typename Station>
  Station& AddStation(std::uint8_t address) {
    Station& station = sim.bus.Add<Station>(address);
    sim.ClearRecords();
    return station;
  }

  SimEnvironment sim;
  RecordingObserver observer;
};

TEST_F(ReadOutFamily24Test, SwitchDeviceIsReadAt250WhateverTheSessionAddress) {
  Family2Station& station = AddStation<Family2Station>(5);
  station.Stored().registers[18] = {0x28, 0x19, 0, 0, 0};

  const ReadoutResult result = ReadOutFamily2(sim.link, station.Identity(), observer);
  ASSERT_TRUE(result.succeeded());
  EXPECT_EQ(
      sim.bus.LoggedFrames(),
      (std::vector<RequestFrame>{ReadCoefficientRequest(250, 80), ReadCoefficientRequest(250, 81),
                                 ReadCoefficientRequest(250, 86), ReadCoefficientRequest(250, 87),
                                 ReadConfigRequest(250, 18), ReadCoefficientRequest(250, 72),
                                 ReadCoefficientRequest(250, 73), ReadCoefficientRequest(250, 78),
                                 ReadCoefficientRequest(250, 79), ReadSerialNumberRequest(250),
                                 SetBusAddressRequest(250, 0)}));
  EXPECT_TRUE(EngineWaits(sim.clock).empty());
  EXPECT_EQ(observer.events, (std::vector<std::string>{"=60", "=70", "=80", "=90", "=100"}));

  DeviceReadout expected = SwitchDeviceReadout();
  expected.reportedBusAddress = 5;
  // Off with the NC bit set: the contact stays as it was.
  expected.switches[0].selection = {kOff, std::nullopt};
  expected.switches[0].modeByte = 0x28;
  expected.switches[0].off = true;
  ExpectReadout(*result.readout, expected);
}

TEST_F(ReadOutFamily24Test, LevelDeviceSplitsItsReadsBetween250AndTheSessionAddress) {
  Family4Station& station = AddStation<Family4Station>(5);
  station.Stored().parameters[9] = {2, 255, 10, 0};
  station.Stored().registers[11] = {2, 0, 0, 0, 0};

  const ReadoutResult result = ReadOutFamily4(sim.link, 5, station.Identity(), observer);
  ASSERT_TRUE(result.succeeded());
  EXPECT_EQ(
      sim.bus.LoggedFrames(),
      (std::vector<RequestFrame>{ReadSerialNumberRequest(250), ReadCoefficientRequest(250, 80),
                                 ReadCoefficientRequest(250, 81), ReadCoefficientRequest(250, 86),
                                 ReadCoefficientRequest(250, 87), ReadCoefficientRequest(5, 72),
                                 ReadCoefficientRequest(5, 73), ReadCoefficientRequest(5, 78),
                                 ReadCoefficientRequest(5, 79), ReadParameterRequest(5, 9),
                                 ReadParameterRequest(5, 10), ReadConfigRequest(5, 11)}));
  EXPECT_TRUE(EngineWaits(sim.clock).empty());
  EXPECT_EQ(observer.events, (std::vector<std::string>{"=70", "=80", "=100"}));

  DeviceReadout expected = LevelDeviceReadout();
  expected.levelUnitIndex = 2;
  expected.switches[0].selection = {kHysteresis, kNormallyClosed};
  expected.switches[0].functionCode = 2;
  expected.switches[0].closingDelaySteps = 255;
  expected.switches[0].openingDelaySteps = 10;
  ExpectReadout(*result.readout, expected);
}

TEST_F(ReadOutFamily24Test, AFailedCommandEndsEitherReadOutWithMessage60) {
  Family2Station& switchDevice = AddStation<Family2Station>(250);
  switchDevice.SetFaults({.exception = std::uint8_t{32}, .onlyFunction = 69});
  ReadoutResult result = ReadOutFamily2(sim.link, switchDevice.Identity(), observer);
  EXPECT_EQ(result.outcome.message, kMsgReadFailed);
  EXPECT_FALSE(result.readout);
  EXPECT_EQ(sim.bus.LoggedFrames().back(), ReadSerialNumberRequest(250));
  EXPECT_EQ(sim.bus.LoggedFrames().size(), 10U);

  sim.bus.RemoveAll();
  Family4Station& levelDevice = AddStation<Family4Station>(250);
  levelDevice.SetFaults({.silent = true, .onlyFunction = 100});
  result = ReadOutFamily4(sim.link, 250, levelDevice.Identity(), observer);
  EXPECT_EQ(result.outcome.message, kMsgReadFailed);
  EXPECT_EQ(sim.bus.LoggedFrames().back(), ReadConfigRequest(250, 11));
}

TEST_F(ReadOutFamily24Test, DispatchFollowsTheFamilyAndSendsNothingForNone) {
  Family4Station& station = AddStation<Family4Station>(250);
  ReadoutResult result =
      ReadOutDevice(sim.link, Family(0), 250, station.Identity(), false, observer);
  EXPECT_EQ(result.outcome.message, kMsgNotSupported);
  EXPECT_TRUE(sim.bus.LoggedFrames().empty());

  result = ReadOutDevice(sim.link, Family(4), 250, station.Identity(), false, observer);
  ASSERT_TRUE(result.succeeded());
  EXPECT_EQ(result.readout->family, DeviceFamily::kLevelDevice);
}

}  // namespace
}  // namespace tarnwick
