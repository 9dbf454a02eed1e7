#include "programming/program_verification.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "support/sample_readouts.h"

namespace tarnwick {
namespace {

using enum SwitchFunction;
using enum SwitchContact;
using enum ProgrammedField;

// What programming wrote when the user changed nothing after the read-out.
NormalProgramInputs AsRead(const DeviceReadout& r) {
  NormalProgramInputs in;
  SwitchProgramValues* const switches[] = {&in.switch1, &in.switch2};
  for (std::size_t n = 0; n < 2; ++n) {
    const SwitchReadout& sw = r.switches[n];
    *switches[n] = {sw.selection, sw.highBar, sw.lowBar, sw.closingDelaySteps.value_or(0),
                    sw.openingDelaySteps.value_or(0)};
  }
  return in;
}

float UlpsAbove(float value, int ulps) {
  for (int i = 0; i < ulps; ++i) value = std::nextafter(value, INFINITY);
  return value;
}

TEST(CompareWithReadBack, NamesEachFieldTheDeviceHoldsOtherwise) {
  using Change = std::function<void(NormalProgramInputs&, SwitchReadout&, SwitchReadout&)>;
  struct Case {
    const char* what;
    DeviceReadout readBack;
    Change change;
    std::vector<ProgrammingDifference> expected;
  };
  const Case cases[] = {
      {"nothing changed", PressureSwitchReadout(), [](auto&, auto&, auto&) {}, {}},
      {"within float rounding",
       PressureSwitchReadout(),
       [](auto&, auto& sw1, auto&) { sw1.highBar = UlpsAbove(6.0F, 2); },
       {}},
      {"beyond float rounding",
       PressureSwitchReadout(),
       [](auto&, auto& sw1, auto&) { sw1.lowBar = UlpsAbove(5.0F, 16); },
       {{1, kLowPoint, 5.0F, UlpsAbove(5.0F, 16)}}},
      {"high point",
       PressureSwitchReadout(),
       [](auto&, auto& sw1, auto&) { sw1.highBar = 6.01F; },
       {{1, kHighPoint, 6.0F, 6.01F}}},
      {"low point",
       LevelDeviceReadout(),
       [](auto&, auto&, auto& sw2) { sw2.lowBar = 0.0F; },
       {{2, kLowPoint, 400.0F, 0.0F}}},
      {"function",
       PressureSwitchReadout(),
       [](auto&, auto&, auto& sw2) { sw2.selection = DecodeFunctionCode(0); },
       {{2, kFunction, kWindow, kOff}}},
      {"contact",
       LevelDeviceReadout(),
       [](auto&, auto& sw1, auto&) { sw1.selection = DecodeFunctionCode(2); },
       {{1, kContact, kNormallyOpen, kNormallyClosed}}},
      {"a code that names nothing",
       PressureSwitchReadout(),
       [](auto&, auto& sw1, auto&) { sw1.selection = DecodeFunctionCode(9); },
       {{1, kFunction, kHysteresis, std::monostate{}}}},
      {"closing delay",
       PressureSwitchReadout(),
       [](auto&, auto& sw1, auto&) { sw1.closingDelaySteps = 24; },
       {{1, kClosingDelay, DelaySteps{25}, DelaySteps{24}}}},
      {"opening delay in seconds",
       LevelDeviceReadout(),
       [](auto&, auto&, auto& sw2) { sw2.openingDelaySteps = 11; },
       {{2, kOpeningDelay, DelaySteps{10}, DelaySteps{11}}}},
      // Off carries no contact: what the device holds there is its own.
      {"written Off",
       PressureSwitchReadout(),
       [](auto& in, auto& sw1, auto&) {
         in.switch1.selection = {kOff, kNormallyClosed};
         sw1.selection = DecodeFunctionCode(0);
       },
       {}},
      // No function code applied: the device's own was written back.
      {"a function with no contact chosen",
       LevelDeviceReadout(),
       [](auto& in, auto&, auto& sw2) {
         in.switch2.selection = {kHysteresis, std::nullopt};
         sw2.selection = DecodeFunctionCode(4);
       },
       {}},
      // The mode byte decides a function and contact even then; no delays.
      {"switch device",
       SwitchDeviceReadout(),
       [](auto& in, auto& sw1, auto&) {
         in.switch1.selection = {std::nullopt, kNormallyClosed};
         in.switch2.closingDelaySteps = 7;
         sw1.selection = DecodeModeByte(0x11);
       },
       {{1, kFunction, kHysteresis, kWindow}, {1, kContact, kNormallyClosed, kNormallyOpen}}},
  };
  for (const Case& c : cases) {
    DeviceReadout readBack = c.readBack;
    NormalProgramInputs written = AsRead(readBack);
    c.change(written, readBack.switches[0], readBack.switches[1]);
    EXPECT_EQ(CompareWithReadBack(written, readBack), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace tarnwick
