#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace tarnwick {

// The symlink COM<n> -> device in a ports directory that makes a tty visible
// to the console's port table. Destroying the publisher removes the link.
class PortPublisher {
 public:
  // Creates `directory` if needed and links `device` as COM<com>, or as the
  // first free number from 2. A link whose target is gone counts as free; a
  // number of `machineNumbers` (the machine's own ports, present or
  // remembered) does not, so that a simulator never hides an adapter.
  static std::unique_ptr<PortPublisher> Publish(const std::filesystem::path& directory,
                                                const std::string& device, std::optional<int> com,
                                                const std::set<int>& machineNumbers,
                                                std::string& error);
  ~PortPublisher();
  PortPublisher(const PortPublisher&) = delete;
  PortPublisher& operator=(const PortPublisher&) = delete;

  int Com() const { return com_; }
  const std::filesystem::path& LinkPath() const { return link_; }

 private:
  PortPublisher(int com, std::filesystem::path link, std::string device);

  int com_;
  std::filesystem::path link_;
  std::string device_;
};

}  // namespace tarnwick
