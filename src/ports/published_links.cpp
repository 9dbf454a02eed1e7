#include "ports/published_links.h"

#include <system_error>

#include "ports/port_table.h"

namespace tarnwick {

namespace fs = std::filesystem;

std::vector<PublishedLink> ReadPublishedLinks(const fs::path& directory) {
  std::vector<PublishedLink> links;
  std::error_code ec;
  // A directory that vanishes while it is read simply has no more names.
  for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
    const int n = ComNumberOfLinkName(it->path().filename().string());
    if (n != 0 && IsLink(it->path())) links.push_back({n, LinkedDevice(it->path())});
  }
  return links;
}

bool IsLink(const fs::path& path) {
  std::error_code ec;
  return fs::is_symlink(fs::symlink_status(path, ec));
}

std::string LinkedDevice(const fs::path& link) {
  std::error_code ec;
  if (!IsLink(link)) return {};
  if (!fs::is_character_file(fs::status(link, ec))) return {};
  const fs::path target = fs::canonical(link, ec);
  return ec ? std::string{} : target.string();
}

std::string LinkPublishedName(const std::string& device) { return "tarnwick VCP " + device; }

}  // namespace tarnwick
