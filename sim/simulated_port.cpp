#include "sim/simulated_port.h"

#include <algorithm>

namespace tarnwick {
namespace {

std::chrono::nanoseconds Nanos(std::chrono::microseconds t) {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(t);
}

std::chrono::microseconds MicrosRoundedUp(std::chrono::nanoseconds t) {
  return std::chrono::ceil<std::chrono::microseconds>(t);
}

}  // namespace

SimulatedPort::SimulatedPort(std::shared_ptr<SimulatedComState> com, VirtualClock& clock,
                             LineTiming timing)
    : com_(std::move(com)), clock_(clock), line_(*com_->bus, timing) {}

SimulatedPort::~SimulatedPort() { Close(); }

PortStatus SimulatedPort::Usable() const {
  if (closed_) return PortStatus::Failed(PortError::kIo, "the port is closed");
  if (com_->unplugged) return PortStatus::Failed(PortError::kIo, "Input/output error");
  return PortStatus::Ok();
}

PortStatus SimulatedPort::SetLineSettings(std::uint32_t baud) {
  if (PortStatus usable = Usable(); !usable.ok()) return usable;
  if (baud == 0) return PortStatus::Failed(PortError::kSettings, "no such baud rate");
  line_.SetBaud(baud);
  return PortStatus::Ok();
}

PortStatus SimulatedPort::RaiseDtr() { return Usable(); }

PortStatus SimulatedPort::SetTimeouts(int readTotalMs, int) {
  if (PortStatus usable = Usable(); !usable.ok()) return usable;
  readTimeoutMs_ = readTotalMs > 0 ? readTotalMs : 0;
  return PortStatus::Ok();
}

PortStatus SimulatedPort::Prepared() const {
  if (PortStatus usable = Usable(); !usable.ok()) return usable;
  if (com_->faults.prepareFails) return PortStatus::Failed(PortError::kIo, "prepare fails");
  return PortStatus::Ok();
}

PortStatus SimulatedPort::ClearErrors() { return Prepared(); }

PortStatus SimulatedPort::PurgeBuffers() {
  PortStatus prepared = Prepared();
  if (prepared.ok()) line_.Purge();
  return prepared;
}

PortTransfer SimulatedPort::Write(const std::uint8_t* data, std::size_t count) {
  if (PortStatus usable = Usable(); !usable.ok()) return {0, usable};
  if (com_->faults.writeFails) return {0, PortStatus::Failed(PortError::kIo, "write fails")};
  const std::size_t moved = std::min(count, com_->faults.writeAccepts.value_or(count));
  line_.Send({data, moved}, Nanos(clock_.Now()));
  return {moved, PortStatus::Ok()};
}

PortTransfer SimulatedPort::Read(std::uint8_t* data, std::size_t count) {
  if (PortStatus usable = Usable(); !usable.ok()) return {0, usable};
  if (com_->faults.readFails) return {0, PortStatus::Failed(PortError::kIo, "read fails")};
  const std::chrono::nanoseconds deadline =
      Nanos(clock_.Now()) + std::chrono::milliseconds(readTimeoutMs_);
  auto& incoming = line_.Incoming();
  std::size_t received = 0;
  std::chrono::nanoseconds lastArrival{0};
  while (received < count && !incoming.empty() && incoming.front().arrival <= deadline) {
    data[received++] = incoming.front().value;
    lastArrival = incoming.front().arrival;
    incoming.pop_front();
  }
  clock_.AdvanceTo(MicrosRoundedUp(received == count ? lastArrival : deadline));
  return {received, PortStatus::Ok()};
}

PortStatus SimulatedPort::Close() {
  if (closed_) return PortStatus::Ok();
  closed_ = true;
  com_->open = false;
  return PortStatus::Ok();
}

SimulatedPortFactory::SimulatedPortFactory(VirtualClock& clock, LineTiming timing)
    : clock_(clock), timing_(timing) {}

std::shared_ptr<SimulatedComState>& SimulatedPortFactory::Entry(int comNumber) {
  auto& entry = coms_[comNumber];
  if (!entry) entry = std::make_shared<SimulatedComState>();
  return entry;
}

void SimulatedPortFactory::Connect(int comNumber, SimBus& bus) {
  auto& entry = Entry(comNumber);
  // A port still open on the old entry keeps it; the number starts afresh.
  if (entry->open) entry = std::make_shared<SimulatedComState>();
  entry->bus = &bus;
  entry->unplugged = false;
}

void SimulatedPortFactory::Disconnect(int comNumber) { Entry(comNumber)->bus = nullptr; }

void SimulatedPortFactory::SetBusy(int comNumber, bool busy) { Entry(comNumber)->busy = busy; }

void SimulatedPortFactory::Unplug(int comNumber) {
  auto& entry = Entry(comNumber);
  entry->unplugged = true;
  entry->bus = nullptr;
}

void SimulatedPortFactory::SetPortFaults(int comNumber, const PortFaults& faults) {
  Entry(comNumber)->faults = faults;
}

bool SimulatedPortFactory::IsOpen(int comNumber) const {
  const auto found = coms_.find(comNumber);
  return found != coms_.end() && found->second->open;
}

int SimulatedPortFactory::OpenCount(int comNumber) const {
  const auto found = coms_.find(comNumber);
  return found == coms_.end() ? 0 : found->second->opens;
}

std::unique_ptr<SerialPort> SimulatedPortFactory::Open(int comNumber, PortStatus& status) {
  const auto found = coms_.find(comNumber);
  if (found == coms_.end() || found->second->bus == nullptr) {
    status = PortStatus::Failed(PortError::kNotFound, "no such port is present");
    return nullptr;
  }
  SimulatedComState& com = *found->second;
  if (com.busy || com.open) {
    status = PortStatus::Failed(PortError::kBusy, "Device or resource busy");
    return nullptr;
  }
  com.open = true;
  ++com.opens;
  status = PortStatus::Ok();
  return std::make_unique<SimulatedPort>(found->second, clock_, timing_);
}

std::string SimulatedPortFactory::DeviceName(int comNumber) const {
  const auto found = coms_.find(comNumber);
  if (found == coms_.end() || found->second->bus == nullptr) return {};
  return "sim:COM" + std::to_string(comNumber);
}

}  // namespace tarnwick
