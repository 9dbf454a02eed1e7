#include <fcntl.h>
#include <unistd.h>

#include "programming/journal_platform.h"

namespace tarnwick {

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
