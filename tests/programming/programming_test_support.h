#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "bus/byte_order.h"
#include "bus/commands.h"
#include "bus/functions.h"
#include "device/engine_observer.h"
#include "support/sim_fixture.h"

namespace tarnwick {

// Remembers every progress report as "=n" (set) or "+n" (advance), and
// answers the read-again question with Cancel.
class RecordingObserver final : public EngineObserver {
 public:
  void SetProgress(int position) override { reports.push_back("=" + std::to_string(position)); }
  void AdvanceProgress(int step) override { reports.push_back("+" + std::to_string(step)); }
  bool AskReadAgain() override {
    ++questions;
    return false;
  }

  std::vector<std::string> reports;
  int questions = 0;
};

// `count` reports of "+1", as a status wait with progress gives them.
inline std::vector<std::string> Polls(int count) { return std::vector<std::string>(count, "+1"); }

template <typename T>
std::vector<T> Concat(std::initializer_list<std::vector<T>> parts) {
  std::vector<T> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// The requests as they should appear in the simulator's log.
namespace wire {

inline RequestFrame Job(std::uint8_t address, std::uint8_t job) {
  return {address, kFnStartProgrammerJob, {job}};
}
inline RequestFrame ReadParam(std::uint8_t address, std::uint8_t index) {
  return {address, kFnReadParameter, {index}};
}
inline RequestFrame Status(std::uint8_t address) { return ReadParam(address, 0); }
inline std::vector<RequestFrame> StatusPolls(std::uint8_t address, int count) {
  return std::vector<RequestFrame>(count, Status(address));
}
inline RequestFrame WriteParam(std::uint8_t address, std::uint8_t index, ParameterBytes d) {
  return {address, kFnWriteParameter, {index, d[0], d[1], d[2], d[3]}};
}
inline RequestFrame Coef(std::uint8_t address, std::uint8_t number, float value) {
  std::array<std::uint8_t, 4> bytes{};
  PutFloatBE(bytes.data(), value);
  return {address, kFnWriteCoefficient, {number, bytes[0], bytes[1], bytes[2], bytes[3]}};
}
inline RequestFrame ReadRegister(std::uint8_t address, std::uint8_t index) {
  return {address, kFnReadConfig, {index}};
}
inline RequestFrame WriteRegister(std::uint8_t address, std::uint8_t index, ConfigBytes r) {
  return {address, kFnWriteConfig, {index, r[0], r[1], r[2], r[3], r[4]}};
}
inline RequestFrame Identify(std::uint8_t address) { return {address, kFnIdentify, {}}; }
inline RequestFrame IdentifyWithCode(std::uint8_t address) {
  return {address, kFnIdentify, {kIdentifyCode[0], kIdentifyCode[1]}};
}
inline RequestFrame Serial(std::uint8_t address) { return {address, kFnReadSerialNumber, {}}; }

}  // namespace wire

// The waits an engine made, without the link's own pause before each request.
inline std::vector<int> EngineWaits(const VirtualClock& clock) {
  std::vector<int> waits;
  std::ranges::copy_if(clock.Sleeps(), std::back_inserter(waits),
                       [](int ms) { return ms != kPauseBeforeRequestMs; });
  return waits;
}

// A simulated bus on an open link with the records cleared.
class ProgrammingTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(sim.OpenLink(), kBusOk); }
  // Call after the stations are set up, so that only the engine's traffic counts.
  void StartRecording() { sim.ClearRecords(); }
  std::vector<RequestFrame> Frames() const { return sim.bus.LoggedFrames(); }

  SimEnvironment sim;
  RecordingObserver observer;
};

}  // namespace tarnwick
