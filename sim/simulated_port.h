#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "bus/serial_port.h"
#include "bus/virtual_clock.h"
#include "sim/sim_bus.h"
#include "sim/sim_line.h"

namespace tarnwick {

// Failures of the port itself rather than of a station, so that every error
// path of an exchange can be driven.
struct PortFaults {
  bool prepareFails = false;                     // clearing errors and purging fail
  bool writeFails = false;                       // a write call fails and moves nothing
  std::optional<std::size_t> writeAccepts = {};  // a write moves at most this many bytes
  bool readFails = false;                        // a read call fails and takes nothing

  bool operator==(const PortFaults&) const = default;
};

// What the factory knows about one COM number; shared with its open port so
// that the port can be made to vanish or fail while it is open.
struct SimulatedComState {
  SimBus* bus = nullptr;  // nullptr: the number is not present
  bool busy = false;      // held by another program
  bool open = false;
  bool unplugged = false;  // the open port's calls fail
  int opens = 0;           // successful opens so far
  PortFaults faults;
};

// A serial port whose far end is a SimBus, on a virtual clock. Writes return
// at once; a Read advances the clock to the arrival of the last byte it
// returns, or to its total time-out when bytes are missing. The bus and the
// clock must outlive the port.
class SimulatedPort final : public SerialPort {
 public:
  SimulatedPort(std::shared_ptr<SimulatedComState> com, VirtualClock& clock, LineTiming timing);
  ~SimulatedPort() override;

  PortStatus SetLineSettings(std::uint32_t baud) override;
  PortStatus RaiseDtr() override;
  PortStatus SetTimeouts(int readTotalMs, int writeTotalMs) override;
  PortStatus ClearErrors() override;
  PortStatus PurgeBuffers() override;
  PortTransfer Write(const std::uint8_t* data, std::size_t count) override;
  PortTransfer Read(std::uint8_t* data, std::size_t count) override;
  PortStatus Close() override;

 private:
  // Fails once the port is closed or its adapter was pulled out.
  PortStatus Usable() const;
  // Usable, and the port's prepare fault is not set.
  PortStatus Prepared() const;

  std::shared_ptr<SimulatedComState> com_;
  VirtualClock& clock_;
  SimLine line_;
  int readTimeoutMs_ = 0;
  bool closed_ = false;
};

// Opens simulated COM ports. Every number connected to a bus is present; a
// second open of the same number fails with kBusy until the first is closed.
class SimulatedPortFactory final : public SerialPortFactory {
 public:
  explicit SimulatedPortFactory(VirtualClock& clock, LineTiming timing = {});

  // COM<n> now reaches `bus` (which must outlive the factory's ports).
  void Connect(int comNumber, SimBus& bus);
  // COM<n> is no longer present; an open port keeps working until closed.
  void Disconnect(int comNumber);
  // Another program holds COM<n>: opens fail with kBusy.
  void SetBusy(int comNumber, bool busy);
  // The adapter behind an open COM<n> is pulled out: the open port's calls
  // fail from now on and the number is gone until connected again.
  void Unplug(int comNumber);
  // Applies at once, to an open port too.
  void SetPortFaults(int comNumber, const PortFaults& faults);

  // Applies to ports opened afterwards.
  void SetTiming(const LineTiming& timing) { timing_ = timing; }

  bool IsOpen(int comNumber) const;
  // Successful opens of COM<n> so far.
  int OpenCount(int comNumber) const;

  std::unique_ptr<SerialPort> Open(int comNumber, PortStatus& status) override;
  std::string DeviceName(int comNumber) const override;

 private:
  std::shared_ptr<SimulatedComState>& Entry(int comNumber);

  VirtualClock& clock_;
  LineTiming timing_;
  std::map<int, std::shared_ptr<SimulatedComState>> coms_;
};

}  // namespace tarnwick
