#include "bus/bus_link.h"

#include <algorithm>
#include <array>

#include "bus/bus_frame.h"
#include "bus/bus_log.h"

namespace tarnwick {
namespace {

constexpr std::array<std::int32_t, 8> kBaudRates{1200,  2400,  4800,  9600,
                                                 19200, 38400, 57600, 115200};
constexpr int kMinPort = 1;
constexpr int kMaxPort = 256;

}  // namespace

BusLink::~BusLink() { Close(); }

BusResult BusLink::FailAfterTimeout(BusResult result) {
  clock_.Sleep(readTimeout_);
  return result;
}

BusResult BusLink::PortFailed(PortStatus status, BusResult result) {
  lastPortStatus_ = std::move(status);
  return FailAfterTimeout(result);
}

BusResult BusLink::Open(int port, int readTimeoutMs, std::int32_t baudRate) {
  if (std::find(kBaudRates.begin(), kBaudRates.end(), baudRate) == kBaudRates.end()) {
    return BusResult::kOpenFailed;
  }
  if (Close() != BusResult::kOk) return BusResult::kOpenFailed;
  if (port < kMinPort || port > kMaxPort) return BusResult::kOpenFailed;

  PortStatus opened;
  port_ = ports_.Open(port, opened);
  readTimeout_ = readTimeoutMs > 0 ? readTimeoutMs : kDefaultReadTimeoutMs;
  if (!port_) return PortFailed(std::move(opened), BusResult::kOpenFailed);
  lastPortStatus_ = PortStatus::Ok();

  if (PortStatus s = port_->SetLineSettings(static_cast<std::uint32_t>(baudRate)); !s.ok()) {
    return PortFailed(std::move(s), BusResult::kOpenFailed);
  }
  if (PortStatus s = port_->RaiseDtr(); !s.ok()) {
    return PortFailed(std::move(s), BusResult::kOpenFailed);
  }
  BusResult result = BusResult::kOk;
  if (PortStatus s = port_->SetTimeouts(readTimeout_, kWriteTimeoutMs); !s.ok()) {
    lastPortStatus_ = std::move(s);
    result = BusResult::kOpenFailed;
  }
  clock_.Sleep(kSettleAfterOpenMs);
  return result;
}

BusResult BusLink::Close() {
  if (!port_) return BusResult::kOk;
  const PortStatus closed = port_->Close();
  port_.reset();
  return closed.ok() ? BusResult::kOk : BusResult::kOpenFailed;
}

BusResult BusLink::Transfer(std::span<std::uint8_t> buffer, int requestLength, int replyLength) {
  const int sealedLength = requestLength + kCrcLength;
  const int readLength = ExchangeLength(requestLength, replyLength);
  // A request that does not fit its buffer is refused before any byte leaves,
  // so no reply can ever be read past the buffer's end.
  if (requestLength < kDataOffset || replyLength < 0 ||
      static_cast<std::size_t>(readLength) > buffer.size()) {
    return BusResult::kWriteFailed;
  }
  if (!port_) return FailAfterTimeout(BusResult::kNotPrepared);
  if (PortStatus s = port_->ClearErrors(); !s.ok()) {
    return PortFailed(std::move(s), BusResult::kNotPrepared);
  }
  if (PortStatus s = port_->PurgeBuffers(); !s.ok()) {
    return PortFailed(std::move(s), BusResult::kNotPrepared);
  }

  SealRequest(buffer, requestLength);
  clock_.Sleep(kPauseBeforeRequestMs);
  if (frameLogger_) frameLogger_(FrameDirection::kSent, buffer.first(sealedLength));
  PortTransfer written = port_->Write(buffer.data(), static_cast<std::size_t>(sealedLength));
  if (!written.status.ok()) return PortFailed(std::move(written.status), BusResult::kWriteFailed);
  if (written.count != static_cast<std::size_t>(sealedLength)) {
    return FailAfterTimeout(BusResult::kWriteFailed);
  }
  if (buffer[kAddressOffset] == 0) return FailAfterTimeout(BusResult::kBroadcastSent);

  PortTransfer received = port_->Read(buffer.data(), static_cast<std::size_t>(readLength));
  if (!received.status.ok()) return PortFailed(std::move(received.status), BusResult::kReadFailed);
  const std::span<const std::uint8_t> arrived = buffer.first(received.count);
  if (frameLogger_ && !arrived.empty()) frameLogger_(FrameDirection::kReceived, arrived);
  return CheckReply(arrived, requestLength, replyLength);
}

}  // namespace tarnwick
