#pragma once

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

namespace tarnwick::testing {

// A fresh directory under /tmp of a test or a benchmark run (published ports,
// settings homes, journals), removed with everything in it at the end, so no
// other program's files play a part.
class TemporaryDirectory {
 public:
  explicit TemporaryDirectory(const std::string& name = "test") {
    std::string pattern = "/tmp/tarnwick-" + name + "-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
      throw std::system_error(errno, std::generic_category(), "mkdtemp");
    }
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
