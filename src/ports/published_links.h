#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tarnwick {

// A symlink COM<n> in the ports directory.
struct PublishedLink {
  int comNumber = 0;
  // The character device it points at; empty when it points at nothing or at
  // something else, as a link left behind by a program that ended does.
  std::string device;
};

// The links COM1 to COM256 of `directory`, in directory order; none when the
// directory is missing.
std::vector<PublishedLink> ReadPublishedLinks(const std::filesystem::path& directory);

bool IsLink(const std::filesystem::path& path);

// The character device `link` points at, or empty (see PublishedLink).
std::string LinkedDevice(const std::filesystem::path& link);

// The name under which a link publishes its port.
std::string LinkPublishedName(const std::string& device);

}  // namespace tarnwick
