#include "programming/production_journal.h"

#include <fstream>
#include <nlohmann/json.hpp>

#include "programming/journal_file.h"
#include "programming_test_support.h"
#include "support/private_ports_directory.h"
#include "support/scoped_environment.h"

namespace tarnwick {
namespace {

using nlohmann::json;
using namespace std::chrono_literals;

std::vector<json> Lines(const std::filesystem::path& file) {
  std::vector<json> lines;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);)
    lines.push_back(json::parse(line, nullptr, false));
  return lines;
}

class JournalTest : public ProgrammingTest {
 protected:
  JournalTest() {
    inputs.firstAddress = 3;
    inputs.lastAddress = 5;
    inputs.switch1 = {12.5F, 0.1F, 4, 2, 25, 50};
    inputs.writeSerialNumbers = true;
    inputs.firstSerialNumber = 2147483646;
    for (const std::uint8_t a : {3, 4, 5}) stations.push_back(&sim.bus.Add<Family1Station>(a));
  }

  // Lines are written into the files of the journal's days: 23:30 local time
  // on 10 December for the first, an hour later for each further line.
  EngineOutcome Run(const AddressServed& alsoServed = {}) {
    ProductionJournal journal(JournalPlace::DailyFilesIn(directory), "COM3", inputs, [this] {
      return std::chrono::sys_days{std::chrono::year{2026} / 12 / 10} + 21h + 30min + 1h * lines++;
    });
    const EngineOutcome outcome =
        ProgramAddressRange(sim.link, inputs, observer, [&](RangePass pass, std::uint8_t a) {
          journal.Served(pass, a);
          if (alsoServed) alsoServed(pass, a);
        });
    journal.Finished(outcome);
    failure = journal.failure();
    return outcome;
  }

  std::vector<json> AllLines() const {
    std::vector<json> all = Lines(directory / "journal-2026-12-10.jsonl");
    for (json& line : Lines(directory / "journal-2026-12-11.jsonl")) all.push_back(line);
    return all;
  }

  // Days and offsets are local: the tests run two hours east of UTC.
  testing::ScopedEnvironment zone{"TZ", "XYZ-2"};
  testing::PrivatePortsDirectory temporary;
  std::filesystem::path directory = temporary.root() / "data" / "Tarnwick";
  FactoryProgramInputs inputs;
  std::vector<Family1Station*> stations;
  int lines = 0;
  std::optional<std::string> failure;
};

TEST_F(JournalTest, EveryAddressIsOnDiskAsSoonAsItIsDone) {
  std::vector<std::size_t> linesWhenDone;
  ASSERT_TRUE(Run([&](RangePass pass, std::uint8_t) {
                if (pass == RangePass::kTransfer) linesWhenDone.push_back(AllLines().size());
              }).succeeded());

  EXPECT_EQ(linesWhenDone, (std::vector<std::size_t>{1, 2, 3}));
  EXPECT_FALSE(failure);
  EXPECT_EQ(Lines(directory / "journal-2026-12-10.jsonl").size(), 1U);
  const std::vector<json> all = AllLines();
  ASSERT_EQ(all.size(), 3U);
  EXPECT_EQ(all[0], json::parse(R"({"time":"2026-12-10T23:30:00+02:00","port":"COM3",
      "address":3,"serialNumber":2147483646,"values":{"pressureRangeMinBar":0,
      "pressureRangeMaxBar":0,"temperatureRangeMin":0,"temperatureRangeMax":0,
      "analogOutput":false,"windowHysteresis":0,"switch1":{"highBar":12.5,"lowBar":0.1,
      "functionCode":4,"outputType":2,"closingDelaySteps":25,"openingDelaySteps":50},
      "switch2":{"highBar":0,"lowBar":0,"functionCode":0,"outputType":0,
      "closingDelaySteps":0,"openingDelaySteps":0}},"result":"done"})"));
  EXPECT_EQ(all[1]["time"], "2026-12-11T00:30:00+02:00");
  // Past the largest serial number the count wraps, as the engine's does.
  EXPECT_EQ(all[1]["serialNumber"], 2147483647);
  EXPECT_EQ(all[2]["serialNumber"], -2147483648);
  EXPECT_EQ(all[2]["address"], 5);
}

TEST_F(JournalTest, ARunThatFailsGivesEveryAddressNotDoneItsNumber) {
  inputs.writeSerialNumbers = false;
  stations[1]->SetFaults({.programmerBusyForever = true});

  ASSERT_EQ(Run().address, 4);

  std::vector<json> all = AllLines();
  ASSERT_EQ(all.size(), 3U);
  for (json& line : all) {
    for (const char* key : {"time", "port", "values"}) line.erase(key);
  }
  EXPECT_EQ(all,
            (std::vector<json>{json::parse(R"({"address":3,"result":61,"valuesWritten":true,
                                     "failedAddress":4})"),
                               json::parse(R"({"address":4,"result":61,"valuesWritten":false})"),
                               json::parse(R"({"address":5,"result":61,"valuesWritten":false,
                                     "failedAddress":4})")}));
}

TEST_F(JournalTest, AJournalThatCannotBeWrittenIsToldAndTheRunGoesOn) {
  std::ofstream(temporary.root() / "taken") << "a file, not a directory";
  directory = temporary.root() / "taken" / "journal";

  EXPECT_TRUE(Run().succeeded());

  ASSERT_TRUE(failure);
  EXPECT_NE(failure->find("taken"), std::string::npos) << *failure;
  EXPECT_EQ(stations[2]->Stored().serialNumber, -2147483648);
}

TEST_F(JournalTest, ALineCutOffByACrashLeavesTheNextLineWhole) {
  const std::filesystem::path file = temporary.root() / "journal.jsonl";
  std::ofstream(file) << "{\"address\":1}\n{\"addr";

  EXPECT_EQ(AppendDurably(file, "{\"address\":2}\n"), std::nullopt);

  const std::vector<json> lines = Lines(file);
  ASSERT_EQ(lines.size(), 3U);
  EXPECT_EQ(lines[2], json::parse(R"({"address":2})"));
}

}  // namespace
}  // namespace tarnwick
