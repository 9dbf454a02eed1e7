#include "programming/production_journal.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>
#include <utility>

#include "programming/journal_file.h"
#include "programming/journal_platform.h"
#include "view/number_text.h"

namespace tarnwick {
namespace {

using Json = nlohmann::ordered_json;

std::string Formatted(const std::tm& local, const char* format) {
  std::array<char, 32> text{};
  return {text.data(), std::strftime(text.data(), text.size(), format, &local)};
}

// "2026-12-10T14:03:22+01:00"; strftime gives the offset without the colon.
std::string IsoLocalTime(const std::tm& local) {
  const std::string offset = Formatted(local, "%z");
  const bool hoursMinutes = offset.size() == 5;
  return Formatted(local, "%Y-%m-%dT%H:%M:%S") +
         (hoursMinutes ? offset.substr(0, 3) + ":" + offset.substr(3) : offset);
}

Json SwitchJson(const FactorySwitchValues& values) {
  return {{"highBar", ShortestDecimal(values.highBar)},
          {"lowBar", ShortestDecimal(values.lowBar)},
          {"functionCode", values.functionCode},
          {"outputType", values.outputType},
          {"closingDelaySteps", values.closingDelaySteps},
          {"openingDelaySteps", values.openingDelaySteps}};
}

Json ValuesJson(const FactoryProgramInputs& inputs) {
  return {{"pressureRangeMinBar", ShortestDecimal(inputs.pressureRangeMinBar)},
          {"pressureRangeMaxBar", ShortestDecimal(inputs.pressureRangeMaxBar)},
          {"temperatureRangeMin", ShortestDecimal(inputs.temperatureRangeMin)},
          {"temperatureRangeMax", ShortestDecimal(inputs.temperatureRangeMax)},
          {"analogOutput", inputs.analogOutSelected},
          {"windowHysteresis", inputs.windowHysteresis},
          {"switch1", SwitchJson(inputs.switch1)},
          {"switch2", SwitchJson(inputs.switch2)}};
}

}  // namespace

JournalPlace::JournalPlace(std::filesystem::path directory,
                           std::optional<std::filesystem::path> file)
    : directory_(std::move(directory)), file_(std::move(file)) {}

JournalPlace JournalPlace::DailyFilesIn(std::filesystem::path directory) {
  return {std::move(directory), std::nullopt};
}

JournalPlace JournalPlace::OneFile(std::filesystem::path file) { return {{}, std::move(file)}; }

std::filesystem::path JournalPlace::FileFor(const std::tm& localTime) const {
  if (file_) return *file_;
  return directory_ / Formatted(localTime, "journal-%Y-%m-%d.jsonl");
}

ProductionJournal::ProductionJournal(JournalPlace place, std::string portName,
                                     const FactoryProgramInputs& inputs, WallClock now)
    : place_(std::move(place)),
      portName_(std::move(portName)),
      inputs_(inputs),
      now_(std::move(now)),
      addresses_(RangeAddresses(inputs.firstAddress, inputs.lastAddress)) {}

void ProductionJournal::Served(RangePass pass, std::uint8_t address) {
  if (pass == RangePass::kWrite) written_.insert(address);
  if (pass != RangePass::kTransfer) return;
  done_.insert(address);
  Append(address, EngineOutcome::Success());
}

void ProductionJournal::Finished(const EngineOutcome& outcome) {
  if (outcome.succeeded()) return;
  for (const std::uint8_t address : addresses_) {
    if (!done_.contains(address)) Append(address, outcome);
  }
}

void ProductionJournal::Append(std::uint8_t address, const EngineOutcome& outcome) {
  const std::tm local = LocalCalendarTime(std::chrono::system_clock::to_time_t(now_()));
  Json line{{"time", IsoLocalTime(local)}, {"port", portName_}, {"address", address}};
  if (inputs_.writeSerialNumbers) {
    // Counted on from the first as the engine counts, wrapping past the largest.
    const auto index =
        static_cast<std::uint32_t>(std::ranges::find(addresses_, address) - addresses_.begin());
    line["serialNumber"] =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(inputs_.firstSerialNumber) + index);
  }
  line["values"] = ValuesJson(inputs_);
  if (outcome.succeeded()) {
    line["result"] = "done";
  } else {
    line["result"] = outcome.message;
    line["valuesWritten"] = written_.contains(address);
    if (outcome.address && *outcome.address != address) line["failedAddress"] = *outcome.address;
  }
  const auto failed = AppendDurably(place_.FileFor(local), line.dump() + "\n");
  if (failed && !failure_) failure_ = failed;
}

}  // namespace tarnwick
