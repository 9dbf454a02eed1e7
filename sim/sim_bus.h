#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "sim/request_parser.h"
#include "sim/sim_frame.h"
#include "sim/sim_station.h"

namespace tarnwick {

// A request as the bus received it, with the time its last byte arrived.
struct LoggedRequest {
  std::chrono::microseconds time{0};
  RequestFrame frame;
};

// The stations behind one port. Each answers its own address; 250 reaches
// every station (replies of several stations collide into CRC-invalid bytes);
// 0 is a broadcast nobody answers. The echo of the console's bytes is the
// line's business (SimLine), not part of what Receive returns.
class SimBus {
 public:
  template <typename Station, typename... Args>
  Station& Add(Args&&... args) {
    auto station = std::make_unique<Station>(std::forward<Args>(args)...);
    Station& ref = *station;
    stations_.push_back(std::move(station));
    return ref;
  }
  SimStation& Add(std::unique_ptr<SimStation> station);
  void RemoveAll() { stations_.clear(); }

  const std::vector<std::unique_ptr<SimStation>>& Stations() const { return stations_; }
  // The first station with this address, or nullptr.
  SimStation* StationAt(std::uint8_t address) const;

  // Takes one byte sent by the console at `at`. Returns the bytes that come
  // back once this byte completed a request (empty otherwise).
  std::vector<std::uint8_t> Receive(std::uint8_t byte, std::chrono::microseconds at);

  // Every request received, in order.
  const std::vector<LoggedRequest>& RequestLog() const { return log_; }
  // The logged frames without their times.
  std::vector<RequestFrame> LoggedFrames() const;
  void ClearRequestLog() { log_.clear(); }

  // True once after any request changed a station's stored values.
  bool TakeStoredChanged();

 private:
  std::vector<std::uint8_t> Dispatch(const RequestFrame& frame, std::chrono::microseconds at);

  std::vector<std::unique_ptr<SimStation>> stations_;
  RequestParser parser_;
  std::vector<LoggedRequest> log_;
  bool storedChanged_ = false;
};

}  // namespace tarnwick
