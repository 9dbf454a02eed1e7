#pragma once

#include <cstdio>
#include <ctime>
#include <filesystem>

namespace tarnwick {

// What the production journal needs of the platform; CMake picks the file.

// Waits until what was written to `file` and flushed is on the disk.
bool SyncFileToDisk(std::FILE* file);
// Waits until a file newly created in `directory` is on the disk.
bool SyncDirectoryToDisk(const std::filesystem::path& directory);

// The local date and time, with its offset from UTC (strftime's %z).
std::tm LocalCalendarTime(std::time_t time);

}  // namespace tarnwick
