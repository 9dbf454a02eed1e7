#pragma once

#include "sim/sim_station.h"

namespace tarnwick {

// Programmer status (D0 of parameter 0) when no job runs.
inline constexpr std::uint8_t kStatusNoSwitch = 0x10;
inline constexpr std::uint8_t kStatusReady = 0x20;
inline constexpr std::uint8_t kStatusTransferred = 0x40;
inline constexpr std::uint8_t kStatusBusyMask = 0x0F;

inline constexpr int kDefaultBusyPolls = 2;

// The programming adapter with a pressure switch attached (family 1). The
// adapter answers the bus; reads return its copy of the switch's values, which
// job 2 refreshes from the switch. Writes go into the copy and on to the
// switch when one is attached. Default: a 0…10 bar switch, output 1 PNP,
// output 2 NPN, analog output 0.5…4.5 V.
class Family1Station final : public SimStation {
 public:
  explicit Family1Station(std::uint8_t address, std::uint8_t versionMinor = 12);

  int Family() const override { return 1; }

  StationMemory& Stored() override { return switchMemory_; }
  // What the adapter holds: the switch's values as of the last transfer, plus
  // what was written through it since.
  const StationMemory& ProgrammerCopy() const { return programmerCopy_; }
  // After Stored() was changed directly: the programmer's copy becomes equal
  // to it, as after switching the adapter on.
  void SyncProgrammerCopy() { programmerCopy_ = switchMemory_; }

  // Status polls (reads of parameter 0) a job stays busy before it finishes.
  int BusyPolls() const { return busyPolls_; }
  void SetBusyPolls(int polls) { busyPolls_ = polls < 0 ? 0 : polls; }

  // A switch whose analog output does not work reads 0 V on channel 2.
  bool AnalogOutputWorks() const { return analogOutputWorks_; }
  void SetAnalogOutputWorks(bool works) { analogOutputWorks_ = works; }

  bool SwitchAttached() const;
  // D0 of parameter 0 as the next poll would see it, without counting a poll.
  std::uint8_t Status() const;

 protected:
  Reply Handle(const RequestFrame& request, std::chrono::microseconds at) override;
  StationMemory& Visible() override { return programmerCopy_; }
  Reply WriteCoefficient(std::uint8_t number, float value) override;
  Reply WriteParameter(std::uint8_t index, const ParameterBytes& bytes) override;
  Reply ReadParameter(std::uint8_t index, std::chrono::microseconds at) override;
  Reply ReadChannel(std::uint8_t channel, std::chrono::microseconds at) override;
  Reply IdentifyWithCode(std::uint8_t first, std::uint8_t second) override;
  Reply StartProgrammerJob(std::uint8_t job) override;

 private:
  void FinishJob();
  float AnalogVolts(float pressure) const;
  std::uint8_t SwitchStates(std::chrono::microseconds at);

  StationMemory switchMemory_;
  StationMemory programmerCopy_;
  int busyPolls_ = kDefaultBusyPolls;
  bool analogOutputWorks_ = true;
  std::uint8_t runningJob_ = 0;  // 0 when idle
  int pollsLeft_ = 0;
  std::uint8_t lastResult_ = kStatusReady;
};

}  // namespace tarnwick
