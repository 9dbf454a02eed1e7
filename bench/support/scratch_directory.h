#pragma once

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

namespace tarnwick::bench {

// A fresh directory under /tmp for one benchmark run (published ports,
// settings homes), removed with everything in it when the run ends, so no
// other program's ports or settings play a part.
class ScratchDirectory {
 public:
  explicit ScratchDirectory(const std::string& name) {
    std::string pattern = "/tmp/tarnwick-" + name + "-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
      throw std::system_error(errno, std::generic_category(), "mkdtemp");
    }
    path_ = pattern;
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace tarnwick::bench
