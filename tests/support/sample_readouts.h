#pragma once

#include <gtest/gtest.h>

#include "device/device_readout.h"
#include "support/family_numbers.h"

namespace tarnwick {

// A switch as families 1 and 4 report it: a function code and delays in steps.
inline SwitchReadout CodedSwitch(SwitchSelection selection, std::uint8_t code, float high,
                                 float low, std::uint8_t closing, std::uint8_t opening) {
  return {.selection = selection,
          .functionCode = code,
          .highBar = high,
          .lowBar = low,
          .closingDelaySteps = closing,
          .openingDelaySteps = opening};
}

// What a read-out of each family finds on the simulator's default devices:
// the records the engines return, `read` prints and `program` takes back.
inline DeviceReadout DefaultReadout(DeviceFamily family, DeviceIdentity identity,
                                    ValueRange pressureBar, ValueRange temperature,
                                    std::int32_t serialNumber) {
  DeviceReadout r;
  r.family = family;
  r.identity = identity;
  r.pressureRangeBar = pressureBar;
  r.temperatureRange = temperature;
  r.serialNumber = serialNumber;
  return r;
}

inline DeviceReadout PressureSwitchReadout() {
  using enum SwitchFunction;
  using enum SwitchContact;
  DeviceReadout r =
      DefaultReadout(Family(1), {12, 1, 5, 12, 0, 0}, {0.0F, 10.0F}, {-25.0F, 85.0F}, 310042);
  r.analogOutputRange = ValueRange{0.5F, 4.5F};
  r.analogOutputPresent = true;
  r.reportedBusAddress = 1;
  r.attachedSwitch = AttachedSwitchInfo{60, 1, 2, 4};
  r.switches = {CodedSwitch({kHysteresis, kNormallyOpen}, 1, 6.0F, 5.0F, 25, 50),
                CodedSwitch({kWindow, kNormallyOpen}, 3, 5.0F, 3.0F, 0, 10)};
  r.switches[0].outputType = OutputType::kPnp;
  r.switches[1].outputType = OutputType::kNpn;
  return r;
}

inline DeviceReadout SwitchDeviceReadout() {
  using enum SwitchFunction;
  using enum SwitchContact;
  DeviceReadout r =
      DefaultReadout(Family(2), {11, 10, 2, 1, 0, 0}, {0.0F, 16.0F}, {-20.0F, 80.0F}, 220311);
  r.reportedBusAddress = 250;
  r.switches[0] = {
      .selection = {kHysteresis, kNormallyOpen}, .modeByte = 0x01, .highBar = 8.0F, .lowBar = 7.0F};
  r.switches[1] = {
      .selection = {kWindow, kNormallyClosed}, .modeByte = 0x19, .highBar = 12.0F, .lowBar = 6.0F};
  return r;
}

inline DeviceReadout LevelDeviceReadout() {
  using enum SwitchFunction;
  using enum SwitchContact;
  DeviceReadout r =
      DefaultReadout(Family(4), {15, 1, 10, 0, 0, 0}, {0.0F, 1000.0F}, {-20.0F, 70.0F}, 400017);
  r.switches = {CodedSwitch({kHysteresis, kNormallyOpen}, 1, 800.0F, 700.0F, 5, 2),
                CodedSwitch({kWindow, kNormallyOpen}, 3, 600.0F, 400.0F, 0, 10)};
  r.levelUnitIndex = 0;
  return r;
}

// Field by field, so that a failure names the field that differs.
inline void ExpectReadout(const DeviceReadout& actual, const DeviceReadout& expected) {
  EXPECT_EQ(actual.family, expected.family);
  EXPECT_EQ(actual.identity, expected.identity);
  EXPECT_EQ(actual.pressureRangeBar, expected.pressureRangeBar);
  EXPECT_EQ(actual.temperatureRange, expected.temperatureRange);
  EXPECT_EQ(actual.analogOutputRange, expected.analogOutputRange);
  EXPECT_EQ(actual.analogOutputPresent, expected.analogOutputPresent);
  EXPECT_EQ(actual.serialNumber, expected.serialNumber);
  EXPECT_EQ(actual.reportedBusAddress, expected.reportedBusAddress);
  EXPECT_EQ(actual.attachedSwitch, expected.attachedSwitch);
  EXPECT_EQ(actual.switches[0], expected.switches[0]);
  EXPECT_EQ(actual.switches[1], expected.switches[1]);
  EXPECT_EQ(actual.levelUnitIndex, expected.levelUnitIndex);
  EXPECT_EQ(actual.factoryReadBack, expected.factoryReadBack);
}

}  // namespace tarnwick
