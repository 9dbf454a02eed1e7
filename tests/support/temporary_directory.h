#pragma once

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace tarnwick::testing {

// A directory of the test's own, removed with everything in it at the end.
class TemporaryDirectory {
 public:
  TemporaryDirectory() {
    char pattern[] = "/tmp/tarnwick-test-XXXXXX";
    if (mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TemporaryDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryDirectory(const TemporaryDirectory&) = delete;
  TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace tarnwick::testing
