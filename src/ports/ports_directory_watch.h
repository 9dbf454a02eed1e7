#pragma once

#include <filesystem>
#include <vector>

#include "ports/device_event.h"

namespace tarnwick {

// Links COM<n> appearing in and leaving a ports directory, through inotify.
// The directory is created when it is missing, and its parent is watched too,
// so that the directory being removed and made again is followed.
class PortsDirectoryWatch {
 public:
  explicit PortsDirectoryWatch(const std::filesystem::path& directory);
  ~PortsDirectoryWatch();
  PortsDirectoryWatch(const PortsDirectoryWatch&) = delete;
  PortsDirectoryWatch& operator=(const PortsDirectoryWatch&) = delete;

  // Readable when changes wait; -1 when inotify is not available.
  int Descriptor() const { return fd_; }
  // A link made, renamed into the directory or found in a directory made
  // again is an arrival; a link removed or renamed away is a removal. Never
  // blocks.
  std::vector<DeviceEvent> TakeEvents();

 private:
  void WatchDirectory(std::vector<DeviceEvent>& events);

  std::filesystem::path directory_;
  int fd_;
  int directoryWatch_ = -1;
};

}  // namespace tarnwick
