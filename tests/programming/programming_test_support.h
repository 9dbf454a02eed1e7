#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "device/recording_observer.h"
#include "device/sim_requests.h"
#include "support/sim_fixture.h"

namespace tarnwick {

// `count` reports of "+1", as a status wait with progress gives them.
inline std::vector<std::string> Polls(int count) { return std::vector<std::string>(count, "+1"); }

template <typename T>
std::vector<T> Concat(std::initializer_list<std::vector<T>> parts) {
  std::vector<T> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// A simulated bus on an open link; call StartRecording once the stations are
// set up, so that only the engine's traffic counts.
class ProgrammingTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(sim.OpenLink(), BusResult::kOk); }
  void StartRecording() { sim.ClearRecords(); }
  std::vector<RequestFrame> Frames() const { return sim.bus.LoggedFrames(); }

  SimEnvironment sim;
  RecordingObserver observer;
};

}  // namespace tarnwick
