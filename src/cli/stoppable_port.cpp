#include "cli/stoppable_port.h"

#include "bus/functions.h"

namespace tarnwick::cli {
namespace {

bool ChangesStoredValues(std::uint8_t function) {
  return function == kFnWriteCoefficient || function == kFnWriteConfig ||
         function == kFnWriteParameter;
}

class StoppablePort final : public SerialPort {
 public:
  StoppablePort(std::unique_ptr<SerialPort> port, const StopSignal& stop, bool& sentWrites)
      : port_(std::move(port)), stop_(stop), sentWrites_(sentWrites) {}

  bool SetLineSettings(std::uint32_t baud) override {
    return Going() && port_->SetLineSettings(baud);
  }
  bool RaiseDtr() override { return Going() && port_->RaiseDtr(); }
  bool SetTimeouts(int readTotalMs, int writeTotalMs) override {
    return Going() && port_->SetTimeouts(readTotalMs, writeTotalMs);
  }
  bool ClearErrors() override { return Going() && port_->ClearErrors(); }
  bool PurgeBuffers() override { return Going() && port_->PurgeBuffers(); }
  long Write(const std::uint8_t* data, std::size_t count) override {
    if (!Going()) return -1;
    const long written = port_->Write(data, count);
    if (written > 0 && count > 1 && ChangesStoredValues(data[1])) sentWrites_ = true;
    return written;
  }
  long Read(std::uint8_t* data, std::size_t count) override {
    return Going() ? port_->Read(data, count) : -1;
  }
  bool Close() override { return port_->Close(); }

 private:
  bool Going() const { return !stop_.Requested(); }

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

std::unique_ptr<SerialPort> StoppablePortFactory::Open(int comNumber, PortError& error) {
  std::unique_ptr<SerialPort> port = ports_.Open(comNumber, error);
  if (!port) return nullptr;
  return std::make_unique<StoppablePort>(std::move(port), stop_, sentWrites_);
}

}  // namespace tarnwick::cli
