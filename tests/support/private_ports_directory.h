#pragma once

#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

namespace tarnwick::testing {

// A temporary directory of the test's own whose subdirectory "ports" (not yet
// created) is TARNWICK_PORTS_DIR while the object lives, so that tests running
// side by side never see each other's COM numbers.
class PrivatePortsDirectory {
 public:
  PrivatePortsDirectory() {
    char pattern[] = "/tmp/tarnwick-test-XXXXXX";
    if (mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
    if (const char* old = std::getenv("TARNWICK_PORTS_DIR")) saved_ = old;
    setenv("TARNWICK_PORTS_DIR", ports().c_str(), 1);
  }
  ~PrivatePortsDirectory() {
    if (saved_) {
      setenv("TARNWICK_PORTS_DIR", saved_->c_str(), 1);
    } else {
      unsetenv("TARNWICK_PORTS_DIR");
    }
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  PrivatePortsDirectory(const PrivatePortsDirectory&) = delete;
  PrivatePortsDirectory& operator=(const PrivatePortsDirectory&) = delete;

  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path ports() const { return root_ / "ports"; }

 private:
  std::filesystem::path root_;
  std::optional<std::string> saved_;
};

}  // namespace tarnwick::testing
