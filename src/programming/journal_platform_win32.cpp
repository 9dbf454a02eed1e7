#include <io.h>

#include "programming/journal_platform.h"

namespace tarnwick {

bool SyncFileToDisk(std::FILE* file) { return _commit(_fileno(file)) == 0; }

// Windows cannot flush a directory; the file's own flush is all it offers.
bool SyncDirectoryToDisk(const std::filesystem::path&) { return true; }

std::tm LocalCalendarTime(std::time_t time) {
  std::tm local{};
  localtime_s(&local, &time);
  return local;
}

}  // namespace tarnwick
