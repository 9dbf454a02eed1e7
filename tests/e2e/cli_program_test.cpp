// tarnwick-cli program against running simulators: the JSON read printed,
// edited, programmed, and read again.
#include <memory>
#include <sstream>

#include "cli_e2e.h"

namespace tarnwick::testing {
namespace {

using nlohmann::json;

class CliProgram : public CliTest {};

struct RoundTrip {
  std::vector<std::string> simOptions;
  std::vector<std::string> readOptions;
  // Turns what read printed into the file to program.
  std::function<void(json&)> edit;
  // Checks what program printed after writing.
  std::function<void(const json&)> check;
};

// Points as shown and in bar, delays in seconds and in steps: each edited
// one way, the other key dropped.
void EditPressureSwitch(json& r) {
  json& sw1 = r["switch1"];
  sw1["function"] = "Window";
  sw1["contact"] = "NC";
  sw1.erase("high");
  sw1["highBar"] = 7.5;
  sw1.erase("lowBar");
  sw1["low"] = "2.25";
  sw1.erase("closingDelaySteps");
  sw1["closingDelay"] = 0.58;
  sw1.erase("openingDelay");
  sw1["openingDelaySteps"] = 53;
  r["switch2"]["function"] = "Off";
}

void CheckPressureSwitch(const json& r) {
  EXPECT_EQ(r["switch1"], json::parse(R"({"present":true,"outputType":"PNP",
      "function":"Window","contact":"NC","high":"7.50","highBar":7.5,"low":"2.25","lowBar":2.25,
      "closingDelay":0.58,"closingDelaySteps":29,"openingDelay":1.06,"openingDelaySteps":53})"));
  // Off names no contact.
  EXPECT_EQ(r["switch2"]["function"], "Off");
  EXPECT_EQ(r["switch2"]["contact"], nullptr);
  EXPECT_EQ(r["switch2"]["highBar"], 5);
}

// In PSI: 100 PSI reaches the device as the float 6.894745 bar.
void EditSwitchDevice(json& r) {
  json& sw1 = r["switch1"];
  sw1["function"] = "Window";
  sw1["contact"] = "NC";
  sw1.erase("highBar");
  sw1["high"] = "100";
  sw1.erase("lowBar");
  sw1["low"] = 50;
  r["switch2"]["function"] = "Off";
  r["switch2"]["contact"] = "NO";
}

void CheckSwitchDevice(const json& r) {
  EXPECT_EQ(r["unit"], "PSI");
  EXPECT_EQ(r["switch1"], json::parse(R"({"function":"Window","contact":"NC",
      "high":"100.0","highBar":6.894745,"low":"50.0","lowBar":3.4473724})"));
  EXPECT_EQ(r["switch2"]["function"], "Off");
}

void EditLevelDevice(json& r) {
  json& sw1 = r["switch1"];
  sw1["function"] = "Window";
  sw1.erase("high");
  sw1.erase("low");
  sw1["highBar"] = 900;
  sw1["lowBar"] = 100;
  sw1.erase("closingDelaySteps");
  sw1["closingDelay"] = 3.7;
  r["switch2"]["contact"] = "NC";
}

void CheckLevelDevice(const json& r) {
  EXPECT_EQ(r["switch1"], json::parse(R"({"function":"Window","contact":"NO",
      "high":"900","highBar":900,"low":"100","lowBar":100,
      "closingDelay":3.0,"closingDelaySteps":3,"openingDelay":2.0,"openingDelaySteps":2})"));
  EXPECT_EQ(r["switch2"]["function"], "Window");
  EXPECT_EQ(r["switch2"]["contact"], "NC");
}

// The first switch of `file` with its low point set to its high point.
json WithEqualPoints(json file) {
  json& sw = file["switch1"];
  sw["low"] = sw["high"];
  sw["lowBar"] = sw["highBar"];
  return file;
}

TEST_F(CliProgram, WhatReadPrintedEditedIsProgrammedAndReadBack) {
  const std::vector<RoundTrip> trips{
      {{"--instant", "--busy-polls", "0"}, {}, EditPressureSwitch, CheckPressureSwitch},
      {{"--instant", "--family", "2"}, {"--unit", "PSI"}, EditSwitchDevice, CheckSwitchDevice},
      {{"--instant", "--family", "4"}, {}, EditLevelDevice, CheckLevelDevice},
  };
  // The families side by side, each step waiting for all of them: every
  // command pays the half second the link settles after opening.
  std::vector<std::unique_ptr<SimProcess>> sims;
  std::vector<std::unique_ptr<ProgramRun>> runs;
  for (const RoundTrip& trip : trips) {
    sims.push_back(std::make_unique<SimProcess>(kSimProgram, trip.simOptions));
    std::vector<std::string> arguments{"read", "--port", sims.back()->portName()};
    arguments.insert(arguments.end(), trip.readOptions.begin(), trip.readOptions.end());
    runs.push_back(StartCli(arguments));
  }
  std::vector<json> read;
  for (auto& run : runs) {
    const ProgramResult result = run->Finish();
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    read.push_back(json::parse(result.out));
  }

  // High not above low is refused before the port is touched.
  runs.clear();
  for (std::size_t i = 0; i < trips.size(); ++i) {
    const std::string file =
        WriteJson("equal" + std::to_string(i) + ".json", WithEqualPoints(read[i]));
    runs.push_back(
        StartCli({"--trace", "program", "--port", sims[i]->portName(), "--config", file}));
  }
  for (std::size_t i = 0; i < trips.size(); ++i) {
    const ProgramResult refused = runs[i]->Finish();
    SCOPED_TRACE("family " + read[i]["family"].dump());
    EXPECT_EQ(refused.exitStatus, 1);
    EXPECT_EQ(refused.out, "");
    std::ostringstream bar;
    bar << read[i]["switch1"]["highBar"].get<double>();
    EXPECT_EQ(refused.err,
              Reason("This value has to be higher than the value below! (switch1: high " +
                     bar.str() + " bar, low " + bar.str() + " bar)"));
    EXPECT_TRUE(SentFrames(refused.err).empty());
  }

  runs.clear();
  for (std::size_t i = 0; i < trips.size(); ++i) {
    json edited = read[i];
    trips[i].edit(edited);
    const std::string file = WriteJson("edited" + std::to_string(i) + ".json", edited);
    runs.push_back(StartCli({"program", "--port", sims[i]->portName(), "--config", file}));
  }
  std::vector<json> programmed;
  for (std::size_t i = 0; i < trips.size(); ++i) {
    const ProgramResult result = runs[i]->Finish();
    SCOPED_TRACE(result.out + result.err);
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.err, "");
    programmed.push_back(json::parse(result.out, nullptr, false));
    trips[i].check(programmed.back());
    // Everything the edit did not touch reads as before.
    for (const char* key : {"family", "identity", "serialNumber", "pressureRange"}) {
      EXPECT_EQ(programmed.back()[key], read[i][key]) << key;
    }
  }

  runs.clear();
  for (std::size_t i = 0; i < trips.size(); ++i) {
    std::vector<std::string> arguments{"read", "--port", sims[i]->portName()};
    arguments.insert(arguments.end(), trips[i].readOptions.begin(), trips[i].readOptions.end());
    runs.push_back(StartCli(arguments));
  }
  for (std::size_t i = 0; i < trips.size(); ++i) {
    const ProgramResult fresh = runs[i]->Finish();
    EXPECT_EQ(fresh.exitStatus, 0) << fresh.err;
    EXPECT_EQ(json::parse(fresh.out, nullptr, false), programmed[i]);
  }
}

TEST_F(CliProgram, AnotherDeviceOnThePortIsNotWritten) {
  SimProcess first(kSimProgram, {"--instant", "--busy-polls", "0"});
  SimProcess second(kSimProgram, {"--instant", "--busy-polls", "0", "--version", "5.13"});
  const ProgramResult read = Cli({"read", "--port", first.portName()});
  ASSERT_EQ(read.exitStatus, 0) << read.err;
  const std::string file = WriteFile("first.json", read.out);

  const ProgramResult run =
      Cli({"--trace", "program", "--port", second.portName(), "--config", file});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(
      run.err.ends_with(Reason("Device has been changed! Please read out the new device first!")))
      << run.err;
  const auto frames = SentFrames(run.err);
  EXPECT_FALSE(frames.empty());
  EXPECT_EQ(WritingFrames(frames), 0U);
}

}  // namespace
}  // namespace tarnwick::testing
