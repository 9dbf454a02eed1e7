#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "bus/serial_port.h"

namespace tarnwick::testing {

// What the scripted port does and what it saw; shared between the test and the
// port objects the link owns. Every read returns the echo of the last write
// followed by `reply`.
struct PortScript {
  bool openFails = false;
  PortError openError = PortError::kBusy;
  bool lineSettingsFail = false;
  bool dtrFails = false;
  bool timeoutsFail = false;
  bool closeFails = false;
  std::vector<std::uint8_t> reply;

  int opens = 0;
  int closes = 0;
  int lastReadTimeout = 0;
  int lastWriteTimeout = 0;
  std::vector<std::vector<std::uint8_t>> written;
};

class ScriptedPort final : public SerialPort {
 public:
  explicit ScriptedPort(PortScript& script) : script_(script) {}

  PortStatus SetLineSettings(std::uint32_t) override { return Unless(script_.lineSettingsFail); }
  PortStatus RaiseDtr() override { return Unless(script_.dtrFails); }
  PortStatus SetTimeouts(int readTotalMs, int writeTotalMs) override {
    script_.lastReadTimeout = readTotalMs;
    script_.lastWriteTimeout = writeTotalMs;
    return Unless(script_.timeoutsFail);
  }
  PortStatus ClearErrors() override { return PortStatus::Ok(); }
  PortStatus PurgeBuffers() override { return PortStatus::Ok(); }
  PortTransfer Write(const std::uint8_t* data, std::size_t count) override {
    script_.written.emplace_back(data, data + count);
    return {count, PortStatus::Ok()};
  }
  PortTransfer Read(std::uint8_t* data, std::size_t count) override {
    std::vector<std::uint8_t> line = script_.written.back();
    line.insert(line.end(), script_.reply.begin(), script_.reply.end());
    const std::size_t n = std::min(count, line.size());
    std::copy_n(line.begin(), n, data);
    return {n, PortStatus::Ok()};
  }
  PortStatus Close() override {
    ++script_.closes;
    return Unless(script_.closeFails);
  }

 private:
  static PortStatus Unless(bool fails) {
    return fails ? PortStatus::Failed(PortError::kSettings, "scripted failure") : PortStatus::Ok();
  }

  PortScript& script_;
};

class ScriptedPortFactory final : public SerialPortFactory {
 public:
  explicit ScriptedPortFactory(PortScript& script) : script_(script) {}

  std::unique_ptr<SerialPort> Open(int, PortStatus& status) override {
    ++script_.opens;
    if (script_.openFails) {
      status = PortStatus::Failed(script_.openError, "scripted failure");
      return nullptr;
    }
    return std::make_unique<ScriptedPort>(script_);
  }
  std::string DeviceName(int) const override { return "scripted"; }

 private:
  PortScript& script_;
};

}  // namespace tarnwick::testing
