#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <vector>

#include "bus/byte_order.h"
#include "bus/device_commands.h"
#include "bus/virtual_clock.h"
#include "sim/sim_frame.h"

namespace tarnwick {

// Requests as the simulated bus logs them, spelled with the protocol's own
// function numbers so that an expectation reads like a bus trace.
inline RequestFrame IdentifyRequest(std::uint8_t address) { return {address, 48, {}}; }
inline RequestFrame IdentifyWithCodeRequest(std::uint8_t address) {
  return {address, 48, {kIdentifyCode[0], kIdentifyCode[1]}};
}
inline RequestFrame ReadCoefficientRequest(std::uint8_t address, std::uint8_t number) {
  return {address, 30, {number}};
}
inline RequestFrame WriteCoefficientRequest(std::uint8_t address, std::uint8_t number,
                                            float value) {
  std::array<std::uint8_t, 4> bytes{};
  PutFloatBE(bytes.data(), value);
  return {address, 31, {number, bytes[0], bytes[1], bytes[2], bytes[3]}};
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
inline RequestFrame WriteConfigRequest(std::uint8_t address, std::uint8_t index, ConfigBytes r) {
  return {address, 101, {index, r[0], r[1], r[2], r[3], r[4]}};
}
inline RequestFrame ReadParameterRequest(std::uint8_t address, std::uint8_t index) {
  return {address, 106, {index}};
}
inline RequestFrame WriteParameterRequest(std::uint8_t address, std::uint8_t index,
                                          ParameterBytes d) {
  return {address, 107, {index, d[0], d[1], d[2], d[3]}};
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
