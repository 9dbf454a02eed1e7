#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "bus/bus_result.h"
#include "bus/clock.h"
#include "bus/serial_port.h"

namespace tarnwick {

inline constexpr int kDefaultReadTimeoutMs = 500;
inline constexpr int kWriteTimeoutMs = 200;
inline constexpr int kSettleAfterOpenMs = 500;
inline constexpr int kPauseBeforeRequestMs = 1;

// The one serial link of the process. The platform (port factory and clock) is
// attached once at start-up; tests attach a simulated port and a virtual clock.
class BusLink {
 public:
  BusLink() = default;
  BusLink(const BusLink&) = delete;
  BusLink& operator=(const BusLink&) = delete;
  ~BusLink();

  void Attach(SerialPortFactory* factory, Clock* clock);
  // Closes the link and forgets the platform.
  void Detach();

  BusResult Open(int port, int readTimeout, std::int32_t baudRate);
  BusResult Close();
  BusResult Transfer(std::span<std::uint8_t> buffer, int requestLength, int replyLength);

  bool IsOpen() const { return port_ != nullptr; }
  int ReadTimeout() const { return readTimeout_; }
  // Why the last Open could not open the port (kNone when it could).
  PortError LastOpenError() const { return lastOpenError_; }
  Clock* clock() const { return clock_; }

 private:
  BusResult FailAfterTimeout(BusResult result);

  SerialPortFactory* factory_ = nullptr;
  Clock* clock_ = nullptr;
  std::unique_ptr<SerialPort> port_;
  int readTimeout_ = kDefaultReadTimeoutMs;
  PortError lastOpenError_ = PortError::kNone;
};

BusLink& TheBusLink();

// The link's operations under the names the console and the tools use.
BusResult BusOpen(int port, int readTimeout, std::int32_t baudRate);
BusResult BusClose();
// `buffer` holds the request (L bytes) and room for its CRC, the echo and the
// reply: at least L + R + 4 bytes. The reply starts at offset L + 2.
BusResult BusTransfer(std::span<std::uint8_t> buffer, int requestLength, int replyLength);

}  // namespace tarnwick
