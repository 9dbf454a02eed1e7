#include "cli/live_display.h"

#include <gtest/gtest.h>

#include "support/sample_readouts.h"

namespace tarnwick::cli {
namespace {

using nlohmann::ordered_json;
using enum OutputState;

LiveReading Reading(std::optional<float> value, std::optional<float> voltage, SwitchStates states) {
  LiveReading reading;
  reading.value = value;
  reading.voltage = voltage;
  reading.analogOutputPresent = voltage.has_value();
  reading.states = states;
  return reading;
}

TEST(LiveDisplay, PressureSwitchShowsPressureInTheUnitAndTheVoltage) {
  // A 10 bar range shows PSI with one decimal: 2.5 bar is 36.2595 PSI.
  LiveDisplay display(PressureSwitchReadout(), PressureUnit::kPsi);
  const ordered_json line = display.Line(1, Reading(2.5F, 1.5F, {kClosed, kOpen}));
  EXPECT_EQ(line, ordered_json::parse(R"({"tick":1,"value":"36.3","unit":"PSI","voltage":"1.50",
                                          "analogOutput":true,"switch1":"closed","switch2":"open"})"));
}

TEST(LiveDisplay, PressureSwitchWithoutAnalogOutputSaysSoAndAMissingOutputHasNoState) {
  DeviceReadout readout = PressureSwitchReadout();
  readout.switches[1].outputType = OutputType::kNone;
  LiveDisplay display(readout, PressureUnit::kBar);
  const ordered_json line = display.Line(3, Reading(std::nullopt, std::nullopt, {kOpen, kClosed}));
  EXPECT_EQ(line["value"], nullptr);
  EXPECT_EQ(line["unit"], nullptr);
  EXPECT_EQ(line["voltage"], nullptr);
  EXPECT_EQ(line["analogOutput"], false);
  EXPECT_EQ(line["text"], "No analog output");
  EXPECT_EQ(line["switch1"], "open");
  EXPECT_EQ(line["switch2"], nullptr);
}

TEST(LiveDisplay, AStateByteOutsideTheTableKeepsWhatWasShown) {
  LiveDisplay display(SwitchDeviceReadout(), PressureUnit::kBar);
  EXPECT_EQ(display.Line(1, Reading(9.0F, std::nullopt, {}))["switch1"], nullptr);
  display.Line(2, Reading(9.0F, std::nullopt, {kOpen, kClosed}));
  const ordered_json line = display.Line(3, Reading(9.0F, std::nullopt, {}));
  EXPECT_EQ(line["switch1"], "open");
  EXPECT_EQ(line["switch2"], "closed");
  // The switch device shows two decimals on a 16 bar range, and no voltage.
  EXPECT_EQ(line["value"], "9.00");
  EXPECT_FALSE(line.contains("voltage"));
}

TEST(LiveDisplay, LevelDeviceShowsItsChannelAsReadInItsOwnUnit) {
  LiveDisplay display(LevelDeviceReadout(), PressureUnit::kPsi);
  const ordered_json line = display.Line(1, Reading(512.25F, std::nullopt, {kOpen, kClosed}));
  EXPECT_EQ(line["value"], "512");
  EXPECT_EQ(line["unit"], "Liter (l)");
}

}  // namespace
}  // namespace tarnwick::cli
