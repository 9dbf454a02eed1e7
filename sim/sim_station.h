#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "bus/device_identity.h"
#include "sim/sim_faults.h"
#include "sim/sim_frame.h"
#include "sim/station_memory.h"

namespace tarnwick {

// Exception codes a station answers with.
inline constexpr std::uint8_t kSimExceptionFunction = 1;  // function not supported
inline constexpr std::uint8_t kSimExceptionAddress = 2;   // no such number on this device
inline constexpr std::uint8_t kSimExceptionValue = 3;     // value not accepted

// How far a live reading wanders around its base value, and how fast.
struct LiveMotion {
  float amplitude = 0.0f;
  std::chrono::milliseconds period{10000};
};

// One device on the simulated bus. It answers requests to its own address and
// to 250; the bus decides who hears what. Stations are driven from one thread.
class SimStation {
 public:
  virtual ~SimStation() = default;

  virtual int Family() const = 0;

  std::uint8_t Address() const { return address_; }
  void SetAddress(std::uint8_t address) { address_ = address; }
  const DeviceIdentity& Identity() const { return identity_; }
  void SetIdentity(const DeviceIdentity& identity) { identity_ = identity; }

  const StationFaults& Faults() const { return faults_; }
  // Replaces all faults; the count for removeSwitchAfter starts again.
  void SetFaults(const StationFaults& faults);
  void ClearFaults() { SetFaults(StationFaults{}); }

  // The stored values that survive a restart (for family 1 those of the
  // switch; what the programmer holds is a copy).
  virtual StationMemory& Stored() = 0;
  const StationMemory& Stored() const { return const_cast<SimStation*>(this)->Stored(); }

  // The measured value (pressure in bar, or the level) and its wandering.
  float LiveBase() const { return liveBase_; }
  void SetLiveBase(float value) { liveBase_ = value; }
  const LiveMotion& Motion() const { return motion_; }
  void SetMotion(const LiveMotion& motion) { motion_ = motion; }
  float LiveValue(std::chrono::microseconds at) const;

  // The whole reply frame, garbage and faults included, or nothing when the
  // station stays silent. `at` is when the request's last byte arrived.
  std::optional<std::vector<std::uint8_t>> Answer(const RequestFrame& request,
                                                  std::chrono::microseconds at);

  // True once after a request changed stored values.
  bool TakeStoredChanged();

 protected:
  // What a handler returns: reply data, an exception code, or no answer.
  struct Reply {
    std::vector<std::uint8_t> data;
    std::optional<std::uint8_t> exception;
    bool silent = false;

    static Reply Data(std::vector<std::uint8_t> data) { return {std::move(data), {}, false}; }
    static Reply Exception(std::uint8_t code) { return {{}, code, false}; }
    static Reply None() { return {{}, {}, true}; }
  };

  SimStation(std::uint8_t address, const DeviceIdentity& identity);

  // Answers one request; the default handles the functions every family has
  // on the values of Visible() and rejects the rest with exception 1.
  virtual Reply Handle(const RequestFrame& request, std::chrono::microseconds at);

  // The values reads see.
  virtual StationMemory& Visible() { return Stored(); }
  // Writes go here; family 1 also passes them on to its switch.
  virtual Reply WriteCoefficient(std::uint8_t number, float value);
  virtual Reply WriteParameter(std::uint8_t index, const ParameterBytes& bytes);
  virtual Reply WriteConfig(std::uint8_t index, const ConfigBytes& bytes);
  // Live bytes (switch states, status) are filled in by the families.
  virtual Reply ReadParameter(std::uint8_t index, std::chrono::microseconds at);
  virtual Reply ReadConfig(std::uint8_t index, std::chrono::microseconds at);
  virtual Reply ReadChannel(std::uint8_t channel, std::chrono::microseconds at) = 0;
  virtual Reply IdentifyWithCode(std::uint8_t first, std::uint8_t second);
  virtual Reply StartProgrammerJob(std::uint8_t job);

  // Requests this station has received since its faults were last set.
  int RequestsSinceFaultsSet() const { return requestsSinceFaults_; }
  void MarkStoredChanged() { storedChanged_ = true; }

  static Reply ChannelReply(float value, std::uint8_t status = 0);

  // Switch states of outputs 1 and 2 (bit 0 and bit 1) are remembered
  // between readings, as a hysteresis needs.
  std::uint8_t& SwitchStateMemory() { return switchStates_; }

 private:
  bool FaultApplies(const RequestFrame& request) const;
  bool IgnoresWrite(const RequestFrame& request) const;
  std::vector<std::uint8_t> ApplyReplyFaults(std::vector<std::uint8_t> frame) const;

  std::uint8_t address_;
  DeviceIdentity identity_;
  StationFaults faults_;
  int requestsSinceFaults_ = 0;
  bool storedChanged_ = false;
  float liveBase_ = 0.0f;
  LiveMotion motion_;
  std::uint8_t switchStates_ = 0;
};

}  // namespace tarnwick
