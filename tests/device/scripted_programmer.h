#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "sim/family1_station.h"

namespace tarnwick {

// A programmer whose status polls answer from a script, for the status values
// the simulated adapter never reports (0x30, 0x40 after a search). It holds
// the simulated adapter's default values and answers every other read from
// them; the last status of the script repeats.
class ScriptedProgrammer final : public SimStation {
 public:
  ScriptedProgrammer(std::uint8_t address, std::vector<std::uint8_t> statuses)
      : SimStation(address, {12, 1, 5, 12, 0, 0}),
        memory_(Family1Station(address).Stored()),
        statuses_(std::move(statuses)) {}

  int Family() const override { return 1; }
  StationMemory& Stored() override { return memory_; }

 protected:
  Reply ReadParameter(std::uint8_t index, std::chrono::microseconds at) override {
    if (index != 0) return SimStation::ReadParameter(index, at);
    const std::uint8_t status = statuses_[std::min(next_, statuses_.size() - 1)];
    ++next_;
    return Reply::Data({status, 0, 0, 0});
  }
  Reply ReadChannel(std::uint8_t, std::chrono::microseconds) override { return ChannelReply(2.0F); }
  Reply StartProgrammerJob(std::uint8_t job) override { return Reply::Data({job}); }

 private:
  StationMemory memory_;
  std::vector<std::uint8_t> statuses_;
  std::size_t next_ = 0;
};

}  // namespace tarnwick
