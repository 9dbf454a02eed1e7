#include "sim/sim_bus.h"

#include <algorithm>

#include "bus/protocol_numbers.h"

namespace tarnwick {
namespace {

// Drivers talking at once: the receiver sees the wired sum of their bits.
std::vector<std::uint8_t> Collide(const std::vector<std::vector<std::uint8_t>>& replies) {
  std::size_t length = 0;
  for (const auto& reply : replies) length = std::max(length, reply.size());
  std::vector<std::uint8_t> line(length, 0);
  for (const auto& reply : replies) {
    for (std::size_t i = 0; i < reply.size(); ++i) line[i] |= reply[i];
  }
  // However the bits fell, a collision never makes a valid frame.
  if (FrameCrcValid(line)) line.back() ^= 0x01;
  return line;
}

}  // namespace

SimStation& SimBus::Add(std::unique_ptr<SimStation> station) {
  stations_.push_back(std::move(station));
  return *stations_.back();
}

SimStation* SimBus::StationAt(std::uint8_t address) const {
  for (const auto& station : stations_) {
    if (station->Address() == address) return station.get();
  }
  return nullptr;
}

std::vector<std::uint8_t> SimBus::Receive(std::uint8_t byte, std::chrono::microseconds at) {
  const std::optional<RequestFrame> frame = parser_.Push(byte, at);
  if (!frame) return {};
  log_.push_back({at, *frame});
  return Dispatch(*frame, at);
}

std::vector<std::uint8_t> SimBus::Dispatch(const RequestFrame& frame,
                                           std::chrono::microseconds at) {
  if (frame.address == kBroadcastAddress) return {};
  std::vector<std::vector<std::uint8_t>> replies;
  for (const auto& station : stations_) {
    if (frame.address != kDefaultBusAddress && frame.address != station->Address()) continue;
    if (auto reply = station->Answer(frame, at)) replies.push_back(std::move(*reply));
    if (station->TakeStoredChanged()) storedChanged_ = true;
  }
  if (replies.empty()) return {};
  if (replies.size() == 1) return std::move(replies.front());
  return Collide(replies);
}

std::vector<RequestFrame> SimBus::LoggedFrames() const {
  std::vector<RequestFrame> frames;
  frames.reserve(log_.size());
  for (const auto& entry : log_) frames.push_back(entry.frame);
  return frames;
}

bool SimBus::TakeStoredChanged() {
  const bool changed = storedChanged_;
  storedChanged_ = false;
  return changed;
}

}  // namespace tarnwick
