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

bool SimulatedPort::SetLineSettings(std::uint32_t baud) {
  if (!Usable() || baud == 0) return false;
  line_.SetBaud(baud);
  return true;
}

bool SimulatedPort::RaiseDtr() { return Usable(); }

bool SimulatedPort::SetTimeouts(int readTotalMs, int) {
  if (!Usable()) return false;
  readTimeoutMs_ = readTotalMs > 0 ? readTotalMs : 0;
  return true;
}

bool SimulatedPort::ClearErrors() { return Usable() && !com_->faults.prepareFails; }

bool SimulatedPort::PurgeBuffers() {
  if (!Usable() || com_->faults.prepareFails) return false;
  line_.Purge();
  return true;
}

long SimulatedPort::Write(const std::uint8_t* data, std::size_t count) {
  if (!Usable() || com_->faults.writeFails) return -1;
  const std::size_t moved = std::min(count, com_->faults.writeAccepts.value_or(count));
  line_.Send({data, moved}, Nanos(clock_.Now()));
  return static_cast<long>(moved);
}

long SimulatedPort::Read(std::uint8_t* data, std::size_t count) {
  if (!Usable() || com_->faults.readFails) return -1;
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
  return static_cast<long>(received);
}

bool SimulatedPort::Close() {
  if (closed_) return true;
  closed_ = true;
  com_->open = false;
  return true;
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

std::unique_ptr<SerialPort> SimulatedPortFactory::Open(int comNumber, PortError& error) {
  const auto found = coms_.find(comNumber);
  if (found == coms_.end() || found->second->bus == nullptr) {
    error = PortError::kNotFound;
    return nullptr;
  }
  SimulatedComState& com = *found->second;
  if (com.busy || com.open) {
    error = PortError::kBusy;
    return nullptr;
  }
  com.open = true;
  ++com.opens;
  error = PortError::kNone;
  return std::make_unique<SimulatedPort>(found->second, clock_, timing_);
}

std::string SimulatedPortFactory::DeviceName(int comNumber) const {
  const auto found = coms_.find(comNumber);
  if (found == coms_.end() || found->second->bus == nullptr) return {};
  return "sim:COM" + std::to_string(comNumber);
}

}  // namespace tarnwick
