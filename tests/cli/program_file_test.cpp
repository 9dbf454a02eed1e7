#include "cli/program_file.h"

#include <gtest/gtest.h>

#include <bit>
#include <functional>

#include "cli/json_fields.h"
#include "cli/readout_json.h"
#include "sample_readouts.h"

namespace tarnwick::cli {
namespace {

using nlohmann::json;
using enum SwitchFunction;
using enum SwitchContact;

// The object `read` prints for `readout`, as `program` gets it back from a file.
json Printed(const DeviceReadout& readout, PressureUnit unit = PressureUnit::kBar) {
  return json::parse(ReadoutJson(readout, kDefaultBusAddress, unit).dump());
}

std::string Refusal(const json& file) {
  try {
    ParseProgramRequest(file);
  } catch (const FileError& error) {
    return error.what();
  }
  return "accepted";
}

void ExpectSameValues(const SwitchProgramValues& given, const SwitchReadout& read, int family) {
  EXPECT_EQ(given.selection, read.selection);
  EXPECT_EQ(given.highBar, read.highBar);
  EXPECT_EQ(given.lowBar, read.lowBar);
  if (family != 2) {
    EXPECT_EQ(given.closingDelaySteps, read.closingDelaySteps);
    EXPECT_EQ(given.openingDelaySteps, read.openingDelaySteps);
  }
}

TEST(ProgramFile, WhatReadPrintsProgramsBackWhatWasRead) {
  for (const DeviceReadout& readout :
       {PressureSwitchReadout(), SwitchDeviceReadout(), LevelDeviceReadout()}) {
    for (const PressureUnit unit : {PressureUnit::kBar, PressureUnit::kPsi, PressureUnit::kMpa}) {
      SCOPED_TRACE("family " + std::to_string(readout.family) + " in " +
                   std::string(PressureUnitText(unit)));
      const ProgramRequest request = ParseProgramRequest(Printed(readout, unit));
      EXPECT_EQ(request.target.family, readout.family);
      EXPECT_EQ(request.target.sessionAddress, kDefaultBusAddress);
      EXPECT_EQ(request.target.identity, readout.identity);
      EXPECT_EQ(request.target.serialNumber, readout.serialNumber);
      EXPECT_EQ(request.unit, unit);
      ExpectSameValues(request.inputs.switch1, readout.switches[0], readout.family);
      ExpectSameValues(request.inputs.switch2, readout.switches[1], readout.family);
      EXPECT_EQ(SwitchPointsOutOfOrder(request), std::nullopt);
    }
  }
}

TEST(ProgramFile, ShownPointsAreTakenInTheFilesUnit) {
  json file = Printed(SwitchDeviceReadout(), PressureUnit::kPsi);
  file["switch1"].erase("highBar");
  file["switch1"]["high"] = "100";
  file["switch2"].erase("lowBar");
  file["switch2"]["low"] = 50;
  const ProgramRequest request = ParseProgramRequest(file);
  // The float the device receives as 40 DC A1 C0.
  EXPECT_EQ(std::bit_cast<std::uint32_t>(request.inputs.switch1.highBar), 0x40DCA1C0U);
  EXPECT_EQ(request.inputs.switch2.lowBar, PressureToBar(50.0F, PressureUnit::kPsi));
}

TEST(ProgramFile, DelaysInSecondsBecomeTheFamilysSteps) {
  struct DelayCase {
    DeviceReadout readout;
    double seconds;
    std::uint8_t steps;
  };
  const DelayCase cases[] = {
      {PressureSwitchReadout(), 0.58, 29},  {PressureSwitchReadout(), 1.06, 53},
      {PressureSwitchReadout(), 5.00, 250}, {PressureSwitchReadout(), 0.05, 2},
      {LevelDeviceReadout(), 3.7, 3},       {LevelDeviceReadout(), 255.9, 255},
  };
  for (const DelayCase& c : cases) {
    json file = Printed(c.readout);
    file["switch1"].erase("closingDelaySteps");
    file["switch1"]["closingDelay"] = c.seconds;
    EXPECT_EQ(ParseProgramRequest(file).inputs.switch1.closingDelaySteps, c.steps)
        << "family " << c.readout.family << ", " << c.seconds << " s";
  }
}

TEST(ProgramFile, AFunctionCodeThatNamesNoFunctionIsWrittenBackAsItIs) {
  DeviceReadout readout = PressureSwitchReadout();
  readout.switches[0].selection = {};
  readout.switches[0].functionCode = 7;
  const ProgramRequest request = ParseProgramRequest(Printed(readout));
  EXPECT_EQ(request.inputs.switch1.selection, SwitchSelection{});

  // The switch device's mode byte always names one.
  json file = Printed(SwitchDeviceReadout());
  file["switch2"]["function"] = nullptr;
  EXPECT_EQ(Refusal(file),
            "switch2.function: must be \"Off\", \"Hysteresis\" or \"Window\", not null");
}

struct Mistake {
  const char* what;
  DeviceReadout readout;
  std::function<void(json&)> edit;
  std::string refusal;
};

TEST(ProgramFile, EveryMistakeIsRefusedNamingItsKey) {
  const DeviceReadout p = PressureSwitchReadout();
  const Mistake mistakes[] = {
      {"not an object", p, [](json& f) { f = json::array(); },
       "the file must hold one JSON object"},
      {"missing switch", p, [](json& f) { f.erase("switch1"); }, "switch1: missing"},
      {"serial number as text", p, [](json& f) { f["serialNumber"] = "310042"; },
       "serialNumber: must be a whole number, not a text"},
      {"serial number too large", p, [](json& f) { f["serialNumber"] = 10000000000ULL; },
       "serialNumber: must lie between -2147483648 and 2147483647"},
      {"serial number a fraction", p, [](json& f) { f["serialNumber"] = 310042.5; },
       "serialNumber: must be a whole number, not 310042.5"},
      {"identity byte too large", p, [](json& f) { f["identity"]["class"] = 300; },
       "identity.class: must lie between 0 and 255"},
      {"identity a list", p, [](json& f) { f["identity"] = json::array(); },
       "identity: must be an object, not a list"},
      {"unsupported version", p, [](json& f) { f["identity"]["versionMinor"] = 21; },
       "identity: 12.1 version 5.21 is not a device this program supports"},
      {"family of another identity", p, [](json& f) { f["family"] = 2; },
       "family: is 2, but the identity is that of family 1"},
      {"unit in lower case", p, [](json& f) { f["unit"] = "psi"; },
       "unit: must be \"bar\", \"PSI\" or \"MPa\""},
      {"range missing", p, [](json& f) { f["pressureRange"].erase("maxBar"); },
       "pressureRange.maxBar: missing"},
      {"unknown function", p, [](json& f) { f["switch1"]["function"] = "Fenster"; },
       "switch1.function: must be \"Off\", \"Hysteresis\" or \"Window\""},
      {"contact missing", p, [](json& f) { f["switch1"].erase("contact"); },
       "switch1.contact: missing: Hysteresis needs \"NO\" or \"NC\""},
      {"unknown contact", p, [](json& f) { f["switch2"]["contact"] = "no"; },
       "switch2.contact: must be \"NO\" or \"NC\""},
      {"shown and bar differ", p, [](json& f) { f["switch2"]["high"] = "7.50"; },
       "switch2.high: \"7.50\" bar and switch2.highBar 5 bar (5.00 bar) differ; keep only one "
       "of them"},
      {"point as text in bar", p, [](json& f) { f["switch1"]["highBar"] = "6"; },
       "switch1.highBar: must be a number, not a text"},
      {"point missing", p,
       [](json& f) {
         f["switch1"].erase("low");
         f["switch1"].erase("lowBar");
       },
       "switch1.lowBar: missing (or give \"low\" in the file's unit)"},
      {"shown point not a number", p,
       [](json& f) {
         f["switch1"].erase("highBar");
         f["switch1"]["high"] = "abc";
       },
       "switch1.high: 'abc' is not a number"},
      {"point above the entry limit", p,
       [](json& f) {
         f["switch1"].erase("high");
         f["switch1"]["highBar"] = 12;
       },
       "switch1.highBar: 12 bar lies outside what the console accepts (it would make it 11)"},
      {"point below the entry limit", p,
       [](json& f) {
         f["switch1"].erase("lowBar");
         f["switch1"]["low"] = "-1.5";
       },
       "switch1.low: -1.5 bar lies outside what the console accepts (it would make it -1)"},
      {"level far beyond any range", LevelDeviceReadout(),
       [](json& f) {
         f["switch1"].erase("high");
         f["switch1"]["highBar"] = 1e15;
       },
       "switch1.highBar: 999999986991104 bar is too large: the console takes at most 14 digits "
       "before the decimal point"},
      {"negative delay", p,
       [](json& f) {
         f["switch1"].erase("closingDelaySteps");
         f["switch1"]["closingDelay"] = -0.1;
       },
       "switch1.closingDelay: must lie between 0 and 5.1 seconds"},
      {"delay too long", LevelDeviceReadout(),
       [](json& f) {
         f["switch2"].erase("openingDelaySteps");
         f["switch2"]["openingDelay"] = 256;
       },
       "switch2.openingDelay: must lie between 0 and 255 seconds"},
      {"seconds and steps differ", p, [](json& f) { f["switch1"]["closingDelay"] = 0.6; },
       "switch1.closingDelay: 0.6 s and switch1.closingDelaySteps 25 differ; keep only one of "
       "them"},
      {"steps beyond a byte", p, [](json& f) { f["switch1"]["closingDelaySteps"] = 256; },
       "switch1.closingDelaySteps: must lie between 0 and 255"},
      {"delay missing", p,
       [](json& f) {
         f["switch1"].erase("closingDelay");
         f["switch1"].erase("closingDelaySteps");
       },
       "switch1.closingDelaySteps: missing (or give \"closingDelay\" in seconds)"},
      {"delay on the switch device", SwitchDeviceReadout(),
       [](json& f) { f["switch1"]["closingDelay"] = 0.5; },
       "switch1.closingDelay: the QM-4 KX has no delays"},
      {"presence as text", p, [](json& f) { f["switch1"]["present"] = "yes"; },
       "switch1.present: must be true or false, not a text"},
  };
  for (const Mistake& m : mistakes) {
    json file = Printed(m.readout);
    m.edit(file);
    EXPECT_EQ(Refusal(file), m.refusal) << m.what;
  }
}

// -1 bar shows as -14.5 PSI, beyond the PSI entry limit of -14.5 by a hair;
// 12 bar lies above 110 % of a 10 bar range. Neither was typed.
TEST(ProgramFile, ValuesTheDeviceHoldsGoBackUnchangedOutsideTheEntryLimits) {
  DeviceReadout readout = PressureSwitchReadout();
  readout.switches[0].highBar = 12.0F;
  readout.switches[1].lowBar = -1.0F;
  const ProgramRequest request = ParseProgramRequest(Printed(readout, PressureUnit::kPsi));
  EXPECT_EQ(request.inputs.switch1.highBar, 12.0F);
  EXPECT_EQ(request.inputs.switch2.lowBar, -1.0F);
}

TEST(ProgramFile, WholeNumbersMayBeWrittenWithAFraction) {
  json file = Printed(PressureSwitchReadout());
  file["switch1"]["closingDelaySteps"] = 25.0;
  file["switch1"].erase("closingDelay");
  EXPECT_EQ(ParseProgramRequest(file).inputs.switch1.closingDelaySteps, 25);
}

TEST(ProgramFile, HighMustLieAboveLowOnEveryShownSwitch) {
  const auto withPoints = [](const DeviceReadout& readout, int sw, float high, float low) {
    json file = Printed(readout);
    json& s = file["switch" + std::to_string(sw)];
    s.erase("high");
    s.erase("low");
    s["highBar"] = high;
    s["lowBar"] = low;
    return ParseProgramRequest(file);
  };
  EXPECT_EQ(SwitchPointsOutOfOrder(withPoints(PressureSwitchReadout(), 1, 5, 5)), 1);
  EXPECT_EQ(SwitchPointsOutOfOrder(withPoints(PressureSwitchReadout(), 2, 2, 3)), 2);
  // Off does not exempt a switch.
  DeviceReadout off = SwitchDeviceReadout();
  off.switches[0].selection = {kOff, std::nullopt};
  off.switches[0].off = true;
  EXPECT_EQ(SwitchPointsOutOfOrder(withPoints(off, 1, 7, 7)), 1);
  EXPECT_EQ(SwitchPointsOutOfOrder(withPoints(LevelDeviceReadout(), 2, 100, 400)), 2);

  // A pressure switch output that is not there has no tab, so it is not checked.
  DeviceReadout absent = PressureSwitchReadout();
  absent.switches[0].outputType = OutputType::kNone;
  EXPECT_EQ(SwitchPointsOutOfOrder(withPoints(absent, 1, 5, 5)), std::nullopt);
}

}  // namespace
}  // namespace tarnwick::cli
