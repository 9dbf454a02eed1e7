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

  bool SetLineSettings(std::uint32_t) override { return !script_.lineSettingsFail; }
  bool RaiseDtr() override { return !script_.dtrFails; }
  bool SetTimeouts(int readTotalMs, int writeTotalMs) override {
    script_.lastReadTimeout = readTotalMs;
    script_.lastWriteTimeout = writeTotalMs;
    return !script_.timeoutsFail;
  }
  bool ClearErrors() override { return true; }
  bool PurgeBuffers() override { return true; }
  long Write(const std::uint8_t* data, std::size_t count) override {
    script_.written.emplace_back(data, data + count);
    return static_cast<long>(count);
  }
  long Read(std::uint8_t* data, std::size_t count) override {
    std::vector<std::uint8_t> line = script_.written.back();
    line.insert(line.end(), script_.reply.begin(), script_.reply.end());
    const std::size_t n = std::min(count, line.size());
    std::copy_n(line.begin(), n, data);
    return static_cast<long>(n);
  }
  bool Close() override {
    ++script_.closes;
    return !script_.closeFails;
  }

 private:
  PortScript& script_;
};

class ScriptedPortFactory final : public SerialPortFactory {
 public:
  explicit ScriptedPortFactory(PortScript& script) : script_(script) {}

  std::unique_ptr<SerialPort> Open(int, PortError& error) override {
    ++script_.opens;
    if (script_.openFails) {
      error = script_.openError;
      return nullptr;
    }
    return std::make_unique<ScriptedPort>(script_);
  }
  std::string DeviceName(int) const override { return "scripted"; }

 private:
  PortScript& script_;
};

}  // namespace tarnwick::testing
