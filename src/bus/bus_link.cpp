#include "bus/bus_link.h"

#include <algorithm>
#include <array>

#include "bus/bus_crc.h"
#include "bus/bus_log.h"

namespace tarnwick {
namespace {

constexpr std::array<std::int32_t, 8> kBaudRates{1200,  2400,  4800,  9600,
                                                 19200, 38400, 57600, 115200};
constexpr int kMinPort = 1;
constexpr int kMaxPort = 256;
constexpr int kExceptionReplyLength = 5;

bool IsKnownException(std::uint8_t code) {
  return code == kBusExceptionFunction || code == kBusExceptionAddress ||
         code == kBusExceptionValue || code == kBusExceptionDevice;
}

}  // namespace

BusLink::~BusLink() { Close(); }

void BusLink::Attach(SerialPortFactory* factory, Clock* clock) {
  Close();
  factory_ = factory;
  clock_ = clock;
}

void BusLink::Detach() { Attach(nullptr, nullptr); }

BusResult BusLink::FailAfterTimeout(BusResult result) {
  if (clock_) clock_->Sleep(readTimeout_);
  return result;
}

BusResult BusLink::Open(int port, int readTimeout, std::int32_t baudRate) {
  if (std::find(kBaudRates.begin(), kBaudRates.end(), baudRate) == kBaudRates.end()) {
    return kBusOpenFailed;
  }
  if (Close() != kBusOk) return kBusOpenFailed;
  if (port < kMinPort || port > kMaxPort) return kBusOpenFailed;

  lastOpenError_ = PortError::kIo;
  if (factory_) port_ = factory_->Open(port, lastOpenError_);
  readTimeout_ = readTimeout > 0 ? readTimeout : kDefaultReadTimeoutMs;
  if (!port_) return FailAfterTimeout(kBusOpenFailed);
  lastOpenError_ = PortError::kNone;

  if (!port_->SetLineSettings(static_cast<std::uint32_t>(baudRate))) {
    lastOpenError_ = PortError::kSettings;
    return FailAfterTimeout(kBusOpenFailed);
  }
  if (!port_->RaiseDtr()) {
    lastOpenError_ = PortError::kSettings;
    return FailAfterTimeout(kBusOpenFailed);
  }
  const BusResult result =
      port_->SetTimeouts(readTimeout_, kWriteTimeoutMs) ? kBusOk : kBusOpenFailed;
  if (result != kBusOk) lastOpenError_ = PortError::kSettings;
  clock_->Sleep(kSettleAfterOpenMs);
  return result;
}

BusResult BusLink::Close() {
  if (!port_) return kBusOk;
  const bool closed = port_->Close();
  port_.reset();
  return closed ? kBusOk : kBusOpenFailed;
}

BusResult BusLink::Transfer(std::span<std::uint8_t> buffer, int requestLength, int replyLength) {
  const int l = requestLength;
  const int frameLength = l + 2;
  const int readLength = frameLength + replyLength + 2;
  // A request that does not fit its buffer is refused before any byte leaves,
  // so no reply can ever be read past the buffer's end.
  if (l < 2 || replyLength < 0 || static_cast<std::size_t>(readLength) > buffer.size()) {
    return kBusWriteFailed;
  }

  if (!port_ || !port_->ClearErrors() || !port_->PurgeBuffers()) {
    return FailAfterTimeout(kBusNotPrepared);
  }

  const std::uint16_t crc = BusCrc16(buffer.data(), 0, l);
  buffer[l] = static_cast<std::uint8_t>(crc >> 8);
  buffer[l + 1] = static_cast<std::uint8_t>(crc & 0xFF);
  clock_->Sleep(kPauseBeforeRequestMs);

  LogBusFrame(FrameDirection::kSent, buffer.first(frameLength));
  if (port_->Write(buffer.data(), frameLength) != frameLength) {
    return FailAfterTimeout(kBusWriteFailed);
  }
  if (buffer[0] == 0) return FailAfterTimeout(kBusBroadcastSent);

  const long received = port_->Read(buffer.data(), readLength);
  if (received < 0) return FailAfterTimeout(kBusReadFailed);
  const int n = static_cast<int>(received);
  if (n > 0) LogBusFrame(FrameDirection::kReceived, buffer.first(n));

  if (n <= frameLength) return kBusNoAnswer;
  if (n < l + 2 + kExceptionReplyLength) return kBusBadReply;

  const std::uint16_t replyCrc = BusCrc16(buffer.data(), frameLength, n - frameLength - 2);
  if (buffer[n - 2] != (replyCrc >> 8) || buffer[n - 1] != (replyCrc & 0xFF)) return kBusBadReply;

  if (n == l + 2 + kExceptionReplyLength && int{buffer[l + 3]} == int{buffer[1]} + 128) {
    const std::uint8_t code = buffer[l + 4];
    return IsKnownException(code) ? static_cast<BusResult>(code) : kBusBadReply;
  }
  // A reply without all the fields the command decodes would hand its CRC and
  // stale bytes to the caller as data, and a read-modify-write would store them.
  if (n < readLength) return kBusBadReply;
  return kBusOk;
}

BusLink& TheBusLink() {
  static BusLink link;
  return link;
}

BusResult BusOpen(int port, int readTimeout, std::int32_t baudRate) {
  return TheBusLink().Open(port, readTimeout, baudRate);
}

BusResult BusClose() { return TheBusLink().Close(); }

BusResult BusTransfer(std::span<std::uint8_t> buffer, int requestLength, int replyLength) {
  return TheBusLink().Transfer(buffer, requestLength, replyLength);
}

const char* BusResultName(BusResult result) {
  switch (result) {
    case kBusOk:
      return "success";
    case -1:
      return "port not opened or not prepared";
    case kBusWriteFailed:
      return "write failed";
    case kBusReadFailed:
      return "read failed";
    case kBusNoAnswer:
      return "no answer";
    case kBusBadReply:
      return "bad reply";
    case kBusExceptionFunction:
      return "device exception 1 (function)";
    case kBusExceptionAddress:
      return "device exception 2 (address)";
    case kBusExceptionValue:
      return "device exception 3 (value)";
    case kBusExceptionDevice:
      return "device exception 32 (device)";
    case kBusBroadcastSent:
      return "broadcast sent";
    default:
      return "unknown result";
  }
}

}  // namespace tarnwick
