#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <utility>

#include "bus/bus_log.h"
#include "bus/bus_result.h"
#include "bus/clock.h"
#include "bus/serial_port.h"

namespace tarnwick {

inline constexpr int kDefaultReadTimeoutMs = 500;
inline constexpr int kWriteTimeoutMs = 200;
inline constexpr int kSettleAfterOpenMs = 500;
inline constexpr int kPauseBeforeRequestMs = 1;
inline constexpr std::int32_t kBusBaudRate = 9600;

// The serial link to the devices: one port at a time, opened for an operation
// and closed at its end, every exchange one request out and one reply back.
// The program owns one and passes it to what talks to devices; tests own
// theirs, on a simulated port and a virtual clock. Every wait of the link and
// of the engines that use it goes through its clock.
class BusLink {
 public:
  // `ports` opens COM<n>; both must outlive the link.
  BusLink(SerialPortFactory& ports, Clock& clock) : ports_(ports), clock_(clock) {}
  BusLink(const BusLink&) = delete;
  BusLink& operator=(const BusLink&) = delete;
  ~BusLink();

  // Opens COM<port> (1..256) at `baudRate` with a total read time-out of
  // `readTimeoutMs` (500 when 0 or less), closing an open link first, and
  // lets the line settle 500 ms. kOk, or kOpenFailed after one read time-out
  // when the port could not be opened or refused its settings (the port then
  // stays open for the caller's Close). An unsupported baud rate or port
  // number fails at once.
  BusResult Open(int port, int readTimeoutMs, std::int32_t baudRate);
  // kOk, also when the link was closed; kOpenFailed when closing the port
  // failed (the link counts as closed either way).
  BusResult Close();
  // One exchange: `buffer` holds the request (`requestLength` bytes with the
  // address and function, without CRC) and room for its CRC, the echo and the
  // reply: at least ExchangeLength(requestLength, replyLength) bytes. The
  // reply starts at ReplyOffset(requestLength). See CheckReply for the
  // results of a reply; kNotPrepared, kWriteFailed, kReadFailed and
  // kBroadcastSent come after one read time-out of quiet line.
  BusResult Transfer(std::span<std::uint8_t> buffer, int requestLength, int replyLength);

  bool IsOpen() const { return port_ != nullptr; }
  int ReadTimeout() const { return readTimeout_; }
  // Why the port failed in the last Open or exchange that failed at the port
  // itself (kNone after a successful Open).
  const PortStatus& LastPortStatus() const { return lastPortStatus_; }
  Clock& clock() const { return clock_; }
  // Every frame written and every block read from now on goes to `logger`;
  // none when it is empty.
  void SetFrameLogger(BusFrameLogger logger) { frameLogger_ = std::move(logger); }
  // The device behind COM<n>, for messages.
  std::string DeviceName(int comNumber) const { return ports_.DeviceName(comNumber); }

 private:
  BusResult FailAfterTimeout(BusResult result);
  BusResult PortFailed(PortStatus status, BusResult result);

  SerialPortFactory& ports_;
  Clock& clock_;
  std::unique_ptr<SerialPort> port_;
  int readTimeout_ = kDefaultReadTimeoutMs;
  PortStatus lastPortStatus_;
  BusFrameLogger frameLogger_;
};

}  // namespace tarnwick
