#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "bus/virtual_clock.h"
#include "sim/sim_frame.h"

namespace tarnwick {

// Requests as the simulated bus logs them, spelled with the protocol's own
// function numbers so that an expectation reads like a bus trace.
inline RequestFrame IdentifyRequest(std::uint8_t address) { return {address, 48, {}}; }
inline RequestFrame ReadCoefficientRequest(std::uint8_t address, std::uint8_t number) {
  return {address, 30, {number}};
}
inline RequestFrame SetBusAddressRequest(std::uint8_t address, std::uint8_t newAddress) {
  return {address, 66, {newAddress}};
}
inline RequestFrame ReadSerialNumberRequest(std::uint8_t address) { return {address, 69, {}}; }
inline RequestFrame ReadChannelRequest(std::uint8_t address, std::uint8_t channel) {
  return {address, 73, {channel}};
}
inline RequestFrame ReadConfigRequest(std::uint8_t address, std::uint8_t index) {
  return {address, 100, {index}};
}
inline RequestFrame ReadParameterRequest(std::uint8_t address, std::uint8_t index) {
  return {address, 106, {index}};
}
inline RequestFrame StartJobRequest(std::uint8_t address, std::uint8_t job) {
  return {address, 112, {job}};
}

inline void Append(std::vector<RequestFrame>& frames, const std::vector<RequestFrame>& more) {
  frames.insert(frames.end(), more.begin(), more.end());
}

inline std::vector<RequestFrame> StatusPolls(std::uint8_t address, int count) {
  return std::vector<RequestFrame>(static_cast<std::size_t>(count),
                                   ReadParameterRequest(address, 0));
}

// The engines' own waits: every sleep except the link's 1 ms pause before
// each request.
inline std::vector<int> EngineWaits(const VirtualClock& clock) {
  std::vector<int> waits;
  for (const int ms : clock.Sleeps()) {
    if (ms != 1) waits.push_back(ms);
  }
  return waits;
}

inline void PrintTo(const RequestFrame& frame, std::ostream* os) {
  *os << "{address " << int{frame.address} << ", function " << int{frame.function} << ", data";
  for (const std::uint8_t byte : frame.data) *os << ' ' << int{byte};
  *os << '}';
}

}  // namespace tarnwick
