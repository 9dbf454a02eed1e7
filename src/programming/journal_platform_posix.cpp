#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "programming/journal_platform.h"

namespace tarnwick {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

std::filesystem::path DefaultJournalDirectory() {
  std::filesystem::path dataHome = Environment("XDG_DATA_HOME");
  if (dataHome.empty()) {
    // Qt takes the root for a missing home, and so does the console.
    const std::string home = Environment("HOME");
    dataHome = std::filesystem::path(home.empty() ? "/" : home) / ".local" / "share";
  }
  return dataHome / "Vostrand" / "Tarnwick";
}

bool SyncFileToDisk(std::FILE* file) { return ::fsync(::fileno(file)) == 0; }

bool SyncDirectoryToDisk(const std::filesystem::path& directory) {
  const int descriptor =
      ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return false;
  const bool synced = ::fsync(descriptor) == 0;
  return ::close(descriptor) == 0 && synced;
}

std::tm LocalCalendarTime(std::time_t time) {
  std::tm local{};
  ::localtime_r(&time, &local);
  return local;
}

}  // namespace tarnwick
