#include "cli/program_file.h"

#include <gtest/gtest.h>

#include <bit>

#include "cli/json_fields.h"
#include "cli/readout_json.h"
#include "support/sample_readouts.h"

namespace tarnwick::cli {
namespace {

using nlohmann::json;

// The object `read` prints for `readout`, as `program` gets it back from a
// file, after a JSON merge patch (a null removes a key).
json Printed(const DeviceReadout& readout, const char* patch = "{}",
             PressureUnit unit = PressureUnit::kBar) {
  json file = json::parse(ReadoutJson(readout, kDefaultBusAddress, unit).dump());
  file.merge_patch(json::parse(patch));
  return file;
}

std::string Refusal(const json& file) {
  try {
    ParseProgramRequest(file);
  } catch (const FileError& error) {
    return error.what();
  }
  return "accepted";
}

void ExpectSameValues(const SwitchProgramValues& given, const SwitchReadout& read,
                      DeviceFamily family) {
  EXPECT_EQ(given.selection, read.selection);
  EXPECT_EQ(given.highBar, read.highBar);
  EXPECT_EQ(given.lowBar, read.lowBar);
  if (family != DeviceFamily::kSwitchDevice) {
    EXPECT_EQ(given.closingDelaySteps, read.closingDelaySteps);
    EXPECT_EQ(given.openingDelaySteps, read.openingDelaySteps);
  }
}

TEST(ProgramFile, WhatReadPrintsProgramsBackWhatWasRead) {
  for (const DeviceReadout& readout :
       {PressureSwitchReadout(), SwitchDeviceReadout(), LevelDeviceReadout()}) {
    for (const PressureUnit unit : {PressureUnit::kBar, PressureUnit::kPsi, PressureUnit::kMpa}) {
      SCOPED_TRACE("family " + std::to_string(FamilyNumber(readout.family)) + " in " +
                   std::string(PressureUnitText(unit)));
      const ProgramRequest request = ParseProgramRequest(Printed(readout, "{}", unit));
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
  const ProgramRequest request = ParseProgramRequest(Printed(
      SwitchDeviceReadout(),
      R"({"switch1": {"highBar": null, "high": "100"}, "switch2": {"lowBar": null, "low": 50}})",
      PressureUnit::kPsi));
  // The float the device receives as 40 DC A1 C0.
  EXPECT_EQ(std::bit_cast<std::uint32_t>(request.inputs.switch1.highBar), 0x40DCA1C0U);
  EXPECT_EQ(request.inputs.switch2.lowBar, PressureToBar(50.0F, PressureUnit::kPsi));
}

// The rounding itself is the codec's; here each family's step, and whole
// numbers written with a fraction.
TEST(ProgramFile, DelaysInSecondsBecomeTheFamilysSteps) {
  const ProgramRequest request = ParseProgramRequest(Printed(
      PressureSwitchReadout(), R"({"switch1": {"closingDelaySteps": null, "closingDelay": 0.58},
                                  "switch2": {"closingDelay": null, "closingDelaySteps": 25.0}})"));
  EXPECT_EQ(request.inputs.switch1.closingDelaySteps, 29);
  EXPECT_EQ(request.inputs.switch2.closingDelaySteps, 25);
  const json level = Printed(LevelDeviceReadout(),
                             R"({"switch1": {"closingDelaySteps": null, "closingDelay": 3.7}})");
  EXPECT_EQ(ParseProgramRequest(level).inputs.switch1.closingDelaySteps, 3);
}

TEST(ProgramFile, AFunctionCodeThatNamesNoFunctionIsWrittenBackAsItIs) {
  DeviceReadout readout = PressureSwitchReadout();
  readout.switches[0].selection = {};
  readout.switches[0].functionCode = 7;
  EXPECT_EQ(ParseProgramRequest(Printed(readout)).inputs.switch1.selection, SwitchSelection{});

  // The switch device's mode byte always names one.
  json file = Printed(SwitchDeviceReadout());
  file["switch2"]["function"] = nullptr;
  EXPECT_EQ(Refusal(file),
            "switch2.function: must be \"Off\", \"Hysteresis\" or \"Window\", not null");
}

// The generic type and range refusals of the file's fields are the factory
// values file's test; these are the program file's own.
TEST(ProgramFile, EveryMistakeIsRefusedNamingItsKey) {
  EXPECT_EQ(Refusal(json::array()), "the file must hold one JSON object");
  struct Mistake {
    DeviceReadout readout;
    const char* patch;
    std::string refusal;
  };
  const DeviceReadout p = PressureSwitchReadout();
  const DeviceReadout level = LevelDeviceReadout();
  const Mistake mistakes[] = {
      {p, R"({"switch1": null})", "switch1: missing"},
      {p, R"({"serialNumber": "310042"})", "serialNumber: must be a whole number, not a text"},
      {p, R"({"identity": []})", "identity: must be an object, not a list"},
      {p, R"({"identity": {"versionMinor": 21}})",
       "identity: 12.1 version 5.21 is not a device this program supports"},
      {p, R"({"family": 2})", "family: is 2, but the identity is that of family 1"},
      {p, R"({"unit": "psi"})", "unit: must be \"bar\", \"PSI\" or \"MPa\""},
      {p, R"({"switch1": {"function": "Fenster"}})",
       "switch1.function: must be \"Off\", \"Hysteresis\" or \"Window\""},
      {p, R"({"switch2": {"contact": "no"}})", "switch2.contact: must be \"NO\" or \"NC\""},
      {p, R"({"switch2": {"high": "7.50"}})",
       "switch2.high: \"7.50\" bar and switch2.highBar 5 bar (5.00 bar) differ; keep only one "
       "of them"},
      {p, R"({"switch1": {"low": null, "lowBar": null}})",
       "switch1.lowBar: missing (or give \"low\" in the file's unit)"},
      {p, R"({"switch1": {"highBar": null, "high": "abc"}})",
       "switch1.high: 'abc' is not a number"},
      {p, R"({"switch1": {"high": null, "highBar": 12}})",
       "switch1.highBar: 12 bar lies outside what the console accepts (it would make it 11)"},
      {p, R"({"switch1": {"lowBar": null, "low": "-1.5"}})",
       "switch1.low: -1.5 bar lies outside what the console accepts (it would make it -1)"},
      {level, R"({"switch1": {"high": null, "highBar": 1e15}})",
       "switch1.highBar: 999999986991104 bar is too large: the console takes at most 14 digits "
       "before the decimal point"},
      {p, R"({"switch1": {"closingDelaySteps": null, "closingDelay": -0.1}})",
       "switch1.closingDelay: must lie between 0 and 5.1 seconds"},
      {level, R"({"switch2": {"openingDelaySteps": null, "openingDelay": 256}})",
       "switch2.openingDelay: must lie between 0 and 255 seconds"},
      {p, R"({"switch1": {"closingDelay": 0.6}})",
       "switch1.closingDelay: 0.6 s and switch1.closingDelaySteps 25 differ; keep only one of "
       "them"},
      {p, R"({"switch1": {"closingDelay": null, "closingDelaySteps": null}})",
       "switch1.closingDelaySteps: missing (or give \"closingDelay\" in seconds)"},
      {SwitchDeviceReadout(), R"({"switch1": {"closingDelay": 0.5}})",
       "switch1.closingDelay: the QM-4 KX has no delays"},
  };
  for (const Mistake& m : mistakes) EXPECT_EQ(Refusal(Printed(m.readout, m.patch)), m.refusal);
}

// -1 bar shows as -14.5 PSI, beyond the PSI entry limit of -14.5 by a hair;
// 12 bar lies above 110 % of a 10 bar range. Neither was typed.
TEST(ProgramFile, ValuesTheDeviceHoldsGoBackUnchangedOutsideTheEntryLimits) {
  DeviceReadout readout = PressureSwitchReadout();
  readout.switches[0].highBar = 12.0F;
  readout.switches[1].lowBar = -1.0F;
  const ProgramRequest request = ParseProgramRequest(Printed(readout, "{}", PressureUnit::kPsi));
  EXPECT_EQ(request.inputs.switch1.highBar, 12.0F);
  EXPECT_EQ(request.inputs.switch2.lowBar, -1.0F);
}

TEST(ProgramFile, HighMustLieAboveLowOnEveryShownSwitch) {
  const auto outOfOrder = [](const DeviceReadout& readout, int sw, float high, float low) {
    json file = Printed(readout);
    file["switch" + std::to_string(sw)].merge_patch(
        {{"high", nullptr}, {"low", nullptr}, {"highBar", high}, {"lowBar", low}});
    return SwitchPointsOutOfOrder(ParseProgramRequest(file));
  };
  EXPECT_EQ(outOfOrder(PressureSwitchReadout(), 1, 5, 5), 1);
  EXPECT_EQ(outOfOrder(PressureSwitchReadout(), 2, 2, 3), 2);
  EXPECT_EQ(outOfOrder(LevelDeviceReadout(), 2, 100, 400), 2);
  // Off does not exempt a switch.
  DeviceReadout off = SwitchDeviceReadout();
  off.switches[0].selection = {SwitchFunction::kOff, std::nullopt};
  off.switches[0].off = true;
  EXPECT_EQ(outOfOrder(off, 1, 7, 7), 1);
  // A pressure switch output that is not there has no tab, so it is not checked.
  DeviceReadout absent = PressureSwitchReadout();
  absent.switches[0].outputType = OutputType::kNone;
  EXPECT_EQ(outOfOrder(absent, 1, 5, 5), std::nullopt);
}

}  // namespace
}  // namespace tarnwick::cli
