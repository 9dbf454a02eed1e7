#include "sample_readouts.h"

namespace tarnwick::cli {
namespace {

using enum SwitchFunction;
using enum SwitchContact;

}  // namespace

DeviceReadout PressureSwitchReadout() {
  DeviceReadout r;
  r.family = 1;
  r.identity = {12, 1, 5, 12, 0, 0};
  r.pressureRangeBar = {0.0F, 10.0F};
  r.temperatureRange = {-25.0F, 85.0F};
  r.analogOutputRange = ValueRange{0.5F, 4.5F};
  r.analogOutputPresent = true;
  r.serialNumber = 310042;
  r.reportedBusAddress = 1;
  r.attachedSwitch = AttachedSwitchInfo{60, 1, 2, 4};
  r.switches[0] = {.outputType = OutputType::kPnp,
                   .selection = {kHysteresis, kNormallyOpen},
                   .functionCode = 1,
                   .highBar = 6.0F,
                   .lowBar = 5.0F,
                   .closingDelaySteps = 25,
                   .openingDelaySteps = 50};
  r.switches[1] = {.outputType = OutputType::kNpn,
                   .selection = {kWindow, kNormallyOpen},
                   .functionCode = 3,
                   .highBar = 5.0F,
                   .lowBar = 3.0F,
                   .closingDelaySteps = 0,
                   .openingDelaySteps = 10};
  return r;
}

DeviceReadout SwitchDeviceReadout() {
  DeviceReadout r;
  r.family = 2;
  r.identity = {11, 10, 2, 1, 0, 0};
  r.pressureRangeBar = {0.0F, 16.0F};
  r.temperatureRange = {-20.0F, 80.0F};
  r.serialNumber = 220311;
  r.reportedBusAddress = 250;
  r.switches[0] = {
      .selection = {kHysteresis, kNormallyOpen}, .modeByte = 0x01, .highBar = 8.0F, .lowBar = 7.0F};
  r.switches[1] = {
      .selection = {kWindow, kNormallyClosed}, .modeByte = 0x19, .highBar = 12.0F, .lowBar = 6.0F};
  return r;
}

DeviceReadout LevelDeviceReadout() {
  DeviceReadout r;
  r.family = 4;
  r.identity = {15, 1, 10, 0, 0, 0};
  r.pressureRangeBar = {0.0F, 1000.0F};
  r.temperatureRange = {-20.0F, 70.0F};
  r.serialNumber = 400017;
  r.switches[0] = {.selection = {kHysteresis, kNormallyOpen},
                   .functionCode = 1,
                   .highBar = 800.0F,
                   .lowBar = 700.0F,
                   .closingDelaySteps = 5,
                   .openingDelaySteps = 2};
  r.switches[1] = {.selection = {kWindow, kNormallyOpen},
                   .functionCode = 3,
                   .highBar = 600.0F,
                   .lowBar = 400.0F,
                   .closingDelaySteps = 0,
                   .openingDelaySteps = 10};
  r.levelUnitIndex = 0;
  return r;
}

}  // namespace tarnwick::cli
