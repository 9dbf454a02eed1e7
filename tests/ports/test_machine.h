#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "fake_udev.h"
#include "ports/port_table.h"
#include "support/private_ports_directory.h"

namespace tarnwick::testing {

// A machine of the test's own: the fake device manager, a ports directory and
// a file of remembered numbers, all in a temporary tree.
class TestMachine : public ::testing::Test {
 protected:
  std::filesystem::path NumberFile() const {
    return dir_.root() / "config" / "Vostrand" / "Tarnwick-ports.conf";
  }
  void Publish(const std::string& name, const std::filesystem::path& target) const {
    std::filesystem::create_directories(dir_.ports());
    std::filesystem::create_symlink(target, dir_.ports() / name);
  }
  // Another program, or the same one started again, on the same machine.
  std::unique_ptr<LinuxPortTable> OtherTable() {
    return std::make_unique<LinuxPortTable>(udev_, dir_.ports(), NumberFile(), warnings_);
  }

  PrivatePortsDirectory dir_;
  std::shared_ptr<FakeUdev> udev_ = std::make_shared<FakeUdev>();
  std::ostringstream warnings_;
  LinuxPortTable table_{udev_, dir_.ports(), NumberFile(), warnings_};
};

}  // namespace tarnwick::testing
