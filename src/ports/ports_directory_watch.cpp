#include "ports/ports_directory_watch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <system_error>
#include <utility>

#include "ports/port_table.h"
#include "ports/published_links.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kLinkChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
constexpr std::uint32_t kLinkArrivals = IN_CREATE | IN_MOVED_TO;
// Room for a burst of events at once; what does not fit is read next round.
constexpr std::size_t kBufferSize = 4096;

fs::path WithoutTrailingSeparator(const fs::path& directory) {
  const fs::path normal = directory.lexically_normal();
  return normal.has_filename() ? normal : normal.parent_path();
}

}  // namespace

PortsDirectoryWatch::PortsDirectoryWatch(const fs::path& directory)
    : directory_(WithoutTrailingSeparator(directory)),
      fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
  if (fd_ < 0) return;
  std::error_code ec;
  fs::create_directories(directory_, ec);
  inotify_add_watch(fd_, directory_.parent_path().c_str(), IN_CREATE | IN_MOVED_TO | IN_ONLYDIR);
  directoryWatch_ = inotify_add_watch(fd_, directory_.c_str(), kLinkChanges | IN_ONLYDIR);
}

PortsDirectoryWatch::~PortsDirectoryWatch() {
  if (fd_ >= 0) close(fd_);
}

std::vector<DeviceEvent> PortsDirectoryWatch::TakeEvents() {
  std::vector<DeviceEvent> events;
  if (fd_ < 0) return events;
  alignas(inotify_event) char buffer[kBufferSize];
  for (;;) {
    const ssize_t length = read(fd_, buffer, sizeof buffer);
    if (length < 0 && errno == EINTR) continue;
    if (length <= 0) return events;
    for (ssize_t at = 0; at < length;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      const std::string name = event->len > 0 ? event->name : "";
      if (event->wd != directoryWatch_) {
        if (name == directory_.filename()) WatchDirectory(events);
      } else if (event->mask & IN_IGNORED) {
        directoryWatch_ = -1;
      } else if (ComNumberOfLinkName(name) != 0) {
        events.push_back(
            {(event->mask & kLinkArrivals) ? DeviceChange::kArrival : DeviceChange::kRemoval});
      }
    }
  }
}

// Links made before the watch was in place announce no event of their own.
void PortsDirectoryWatch::WatchDirectory(std::vector<DeviceEvent>& events) {
  directoryWatch_ = inotify_add_watch(fd_, directory_.c_str(), kLinkChanges | IN_ONLYDIR);
  events.insert(events.end(), ReadPublishedLinks(directory_).size(),
                DeviceEvent{DeviceChange::kArrival});
}

}  // namespace tarnwick
