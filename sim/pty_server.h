#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "sim/sim_bus.h"
#include "sim/sim_line.h"

namespace tarnwick {

// Serves a SimBus on a pseudo-terminal. It keeps its own slave descriptor
// open, so clients can come and go without the master seeing a hang-up, and
// paces the line with absolute sleeps on CLOCK_MONOTONIC at the baud the
// client set on the slave.
class PtyServer {
 public:
  PtyServer(SimBus& bus, LineTiming timing);
  ~PtyServer();
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  // Opens the master and the slave, which starts raw at 9600 baud.
  bool Open(std::string& error);
  // The slave's device path ("/dev/pts/4").
  const std::string& DevicePath() const { return devicePath_; }

  // Serves until `stopFd` becomes readable (a signalfd). `whenIdle` runs
  // when stored values changed and nothing is left to send.
  bool Serve(int stopFd, const std::function<void()>& whenIdle, std::string& error);

 private:
  bool TakeRequestBytes(std::string& error);
  void SendDueBytes();
  void UpdateBaudFromSlave();

  SimBus& bus_;
  SimLine line_;
  int master_ = -1;
  int slave_ = -1;
  std::string devicePath_;
};

}  // namespace tarnwick
