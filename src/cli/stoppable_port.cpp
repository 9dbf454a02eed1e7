#include "cli/stoppable_port.h"

#include "bus/bus_frame.h"
#include "bus/protocol_numbers.h"

namespace tarnwick::cli {
namespace {

bool ChangesStoredValues(std::uint8_t function) {
  return function == kFnWriteCoefficient || function == kFnWriteConfig ||
         function == kFnWriteParameter;
}

PortStatus StopRequested() { return PortStatus::Failed(PortError::kIo, "stopped"); }

class StoppablePort final : public SerialPort {
 public:
  StoppablePort(std::unique_ptr<SerialPort> port, const StopSignal& stop, bool& sentWrites)
      : port_(std::move(port)), stop_(stop), sentWrites_(sentWrites) {}

  PortStatus SetLineSettings(std::uint32_t baud) override {
    return Stopped() ? StopRequested() : port_->SetLineSettings(baud);
  }
  PortStatus RaiseDtr() override { return Stopped() ? StopRequested() : port_->RaiseDtr(); }
  PortStatus SetTimeouts(int readTotalMs, int writeTotalMs) override {
    return Stopped() ? StopRequested() : port_->SetTimeouts(readTotalMs, writeTotalMs);
  }
  PortStatus ClearErrors() override { return Stopped() ? StopRequested() : port_->ClearErrors(); }
  PortStatus PurgeBuffers() override { return Stopped() ? StopRequested() : port_->PurgeBuffers(); }
  PortTransfer Write(const std::uint8_t* data, std::size_t count) override {
    if (Stopped()) return {0, StopRequested()};
    PortTransfer written = port_->Write(data, count);
    const bool frame = count > static_cast<std::size_t>(kFunctionOffset);
    if (written.count > 0 && frame && ChangesStoredValues(data[kFunctionOffset])) {
      sentWrites_ = true;
    }
    return written;
  }
  PortTransfer Read(std::uint8_t* data, std::size_t count) override {
    return Stopped() ? PortTransfer{0, StopRequested()} : port_->Read(data, count);
  }
  PortStatus Close() override { return port_->Close(); }

 private:
  bool Stopped() const { return stop_.Requested(); }

  std::unique_ptr<SerialPort> port_;
  const StopSignal& stop_;
  bool& sentWrites_;
};

}  // namespace

std::chrono::microseconds StoppableClock::Now() const {
  return std::chrono::duration_cast<std::chrono::microseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

void StoppableClock::Sleep(int milliseconds) {
  stop_.WaitUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds));
}

std::unique_ptr<SerialPort> StoppablePortFactory::Open(int comNumber, PortStatus& status) {
  std::unique_ptr<SerialPort> port = ports_.Open(comNumber, status);
  if (!port) return nullptr;
  return std::make_unique<StoppablePort>(std::move(port), stop_, sentWrites_);
}

}  // namespace tarnwick::cli
