// tarnwick-cli program against running simulators: the JSON read printed,
// edited, programmed, and read again.
#include <set>
#include <sstream>

#include "bus/protocol_numbers.h"
#include "e2e_support.h"

namespace tarnwick::testing {
namespace {

using nlohmann::json;

class CliProgram : public E2eTest {};

struct RoundTrip {
  std::vector<std::string> simOptions;
  std::vector<std::string> readOptions;
  // Turns what read printed into the file to program: a JSON merge patch,
  // where null drops a key.
  const char* edit;
  // Keys and values what program printed after writing includes.
  const char* expected;
};

TEST_F(CliProgram, WhatReadPrintedEditedIsProgrammedAndReadBack) {
  const std::vector<RoundTrip> trips{
      // Points as shown and in bar, delays in seconds and in steps: each edited one way, the
      // other key dropped. Off names no contact.
      {{"--instant", "--busy-polls", "0"},
       {},
       R"({"switch1":{"function":"Window",
          "contact":"NC","high":null,"highBar":7.5,"lowBar":null,"low":"2.25",
          "closingDelaySteps":null,"closingDelay":0.58,"openingDelay":null,
          "openingDelaySteps":53},"switch2":{"function":"Off"}})",
       R"({"switch1":{"present":true,"outputType":"PNP","function":"Window","contact":"NC",
          "high":"7.50","highBar":7.5,"low":"2.25","lowBar":2.25,"closingDelay":0.58,
          "closingDelaySteps":29,"openingDelay":1.06,"openingDelaySteps":53},
          "switch2":{"present":true,"outputType":"NPN","function":"Off","contact":null,
          "high":"5.00","highBar":5,"low":"3.00","lowBar":3,"closingDelay":0.0,
          "closingDelaySteps":0,"openingDelay":0.2,"openingDelaySteps":10}})"},
      // In PSI: 100 PSI reaches the device as the float 6.894745 bar.
      {{"--instant", "--family", "2"},
       {"--unit", "PSI"},
       R"({"switch1":{"function":"Window",
          "highBar":null,"high":"100","lowBar":null,"low":50}})",
       R"({"switch1":{"function":"Window","contact":"NO","high":"100.0","highBar":6.894745,
          "low":"50.0","lowBar":3.4473724}})"},
      {{"--instant", "--family", "4"},
       {},
       R"({"switch1":{"function":"Window","high":null,
          "low":null,"highBar":900,"lowBar":100,"closingDelaySteps":null,"closingDelay":3.7},
          "switch2":{"contact":"NC"}})",
       R"({"switch1":{"function":"Window","contact":"NO","high":"900","highBar":900,
          "low":"100","lowBar":100,"closingDelay":3.0,"closingDelaySteps":3,
          "openingDelay":2.0,"openingDelaySteps":2}})"},
  };
  std::vector<std::unique_ptr<SimProcess>> sims;
  std::vector<std::vector<std::string>> reads;
  for (const RoundTrip& trip : trips) {
    sims.push_back(std::make_unique<SimProcess>(kSimProgram, trip.simOptions));
    reads.push_back({"read", "--port", sims.back()->portName()});
    reads.back().insert(reads.back().end(), trip.readOptions.begin(), trip.readOptions.end());
  }
  std::vector<json> read;
  for (const ProgramResult& result : CliSideBySide(reads)) {
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    read.push_back(json::parse(result.out));
  }
  // Programs, with each simulator, what it read changed by a merge patch.
  const auto programAll = [&](const std::function<const char*(std::size_t)>& patch) {
    std::vector<std::vector<std::string>> runs;
    for (std::size_t i = 0; i < trips.size(); ++i) {
      json file = read[i];
      file.merge_patch(json::parse(patch(i)));
      const std::string path = WriteFile("program" + std::to_string(i) + ".json", file.dump());
      runs.push_back({"--trace", "program", "--port", sims[i]->portName(), "--config", path});
    }
    return CliSideBySide(runs);
  };

  const auto equalPoints = [](std::size_t) {
    return R"({"switch1":{"high":null,"low":null,"highBar":5,"lowBar":5}})";
  };
  for (const ProgramResult& refused : programAll(equalPoints)) {
    EXPECT_EQ(refused.exitStatus, 1);
    // No frame traced: refused before the port is touched.
    EXPECT_EQ(refused.err, Reason("This value has to be higher than the value below! (switch1: "
                                  "high 5 bar, low 5 bar)"));
  }

  std::vector<json> programmed;
  for (const ProgramResult& run : programAll([&](std::size_t i) { return trips[i].edit; })) {
    SCOPED_TRACE(run.out + run.err);
    EXPECT_EQ(run.exitStatus, 0);
    programmed.push_back(json::parse(run.out, nullptr, false));
  }
  for (std::size_t i = 0; i < trips.size(); ++i) {
    ExpectIncludes(programmed[i], json::parse(trips[i].expected));
    // Everything the edit did not touch reads as before.
    for (const char* key : {"family", "identity", "serialNumber", "pressureRange"}) {
      EXPECT_EQ(programmed[i][key], read[i][key]) << key;
    }
  }
  const std::vector<ProgramResult> fresh = CliSideBySide(reads);
  for (std::size_t i = 0; i < trips.size(); ++i) {
    EXPECT_EQ(json::parse(fresh[i].out, nullptr, false), programmed[i]) << fresh[i].err;
  }
}

// Each simulator answers one write as taken but keeps what it held.
TEST_F(CliProgram, ADeviceThatKeepsOtherValuesThanWrittenFailsTheProgramming) {
  struct Keeping {
    std::vector<std::string> simOptions;
    const char* edit;
    const char* differences;
  };
  const Keeping devices[] = {
      {{"--instant", "--busy-polls", "0", "--fault", "ignore-write:73"},
       R"({"switch1":{"low":null,"lowBar":2.25}})",
       "Switch 1, low switch point: written 2.25 bar, read 5.00 bar"},
      {{"--instant", "--family", "4", "--fault", "ignore-write:9"},
       R"({"switch1":{"function":"Window","contact":"NC","closingDelaySteps":null,
          "closingDelay":9}})",
       "Switch 1, function: written Window, read Hysteresis; Switch 1, contact: written NC, read "
       "NO; Switch 1, closing delay: written 9.00 s, read 5.00 s"},
  };
  std::vector<std::unique_ptr<SimProcess>> sims;
  std::vector<std::vector<std::string>> reads;
  for (const Keeping& device : devices) {
    sims.push_back(std::make_unique<SimProcess>(kSimProgram, device.simOptions));
    reads.push_back({"read", "--port", sims.back()->portName()});
  }
  const std::vector<ProgramResult> read = CliSideBySide(reads);
  std::vector<std::vector<std::string>> programs;
  for (std::size_t i = 0; i < read.size(); ++i) {
    ASSERT_EQ(read[i].exitStatus, 0) << read[i].err;
    json file = json::parse(read[i].out);
    file.merge_patch(json::parse(devices[i].edit));
    const std::string path = WriteFile("keeping" + std::to_string(i) + ".json", file.dump());
    programs.push_back({"program", "--port", sims[i]->portName(), "--config", path});
  }
  const std::vector<ProgramResult> programmed = CliSideBySide(programs);
  for (std::size_t i = 0; i < programmed.size(); ++i) {
    EXPECT_EQ(programmed[i].exitStatus, 1);
    EXPECT_EQ(programmed[i].err,
              Reason(std::string("The device now holds other values than were written: ") +
                     devices[i].differences));
    // What the device holds is printed all the same.
    EXPECT_EQ(json::parse(programmed[i].out, nullptr, false), json::parse(read[i].out));
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
  // The trace's sent frames ("> FA 30 04 43") hold no function that writes or starts a job.
  EXPECT_NE(run.err.find("> "), std::string::npos);
  const std::set<int> writing{kFnWriteCoefficient, kFnWriteConfig, kFnWriteParameter,
                              kFnStartProgrammerJob};
  std::istringstream trace(run.err);
  for (std::string line; std::getline(trace, line);) {
    if (!line.starts_with("> ")) continue;
    EXPECT_FALSE(writing.contains(std::stoi(line.substr(5, 2), nullptr, 16))) << line;
  }
}

}  // namespace
}  // namespace tarnwick::testing
