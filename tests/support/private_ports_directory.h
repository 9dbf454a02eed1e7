#pragma once

#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>

#include "support/temporary_directory.h"

namespace tarnwick::testing {

// A temporary directory of the test's own whose subdirectory "ports" (not yet
// created) is TARNWICK_PORTS_DIR while the object lives, so that tests running
// side by side never see each other's COM numbers.
class PrivatePortsDirectory {
 public:
  PrivatePortsDirectory() {
    if (const char* old = std::getenv("TARNWICK_PORTS_DIR")) saved_ = old;
    setenv("TARNWICK_PORTS_DIR", ports().c_str(), 1);
  }
  ~PrivatePortsDirectory() {
    if (saved_) {
      setenv("TARNWICK_PORTS_DIR", saved_->c_str(), 1);
    } else {
      unsetenv("TARNWICK_PORTS_DIR");
    }
  }
  PrivatePortsDirectory(const PrivatePortsDirectory&) = delete;
  PrivatePortsDirectory& operator=(const PrivatePortsDirectory&) = delete;

  const std::filesystem::path& root() const { return root_.path(); }
  std::filesystem::path ports() const { return root() / "ports"; }

 private:
  TemporaryDirectory root_;
  std::optional<std::string> saved_;
};

}  // namespace tarnwick::testing
