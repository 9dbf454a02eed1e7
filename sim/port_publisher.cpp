#include "sim/port_publisher.h"

#include <system_error>

#include "ports/user_places.h"

namespace tarnwick {
namespace {

constexpr int kFirstFreeCandidate = 2;
constexpr int kLastCom = 256;

enum class LinkOutcome { kLinked, kTaken, kFailed };

// symlink() fails when the name exists, so two simulators starting together
// never end up on the same number.
LinkOutcome TryLink(const std::filesystem::path& link, const std::string& device,
                    std::string& error) {
  std::error_code ec;
  std::filesystem::create_symlink(device, link, ec);
  if (!ec) return LinkOutcome::kLinked;
  if (ec != std::errc::file_exists) {
    error = "cannot create " + link.string() + ": " + ec.message();
    return LinkOutcome::kFailed;
  }
  std::error_code targetEc;
  if (std::filesystem::exists(link, targetEc) || targetEc) return LinkOutcome::kTaken;
  // Left behind by a simulator that was killed: its pseudo-terminal is gone.
  std::filesystem::remove(link, ec);
  std::filesystem::create_symlink(device, link, ec);
  if (!ec) return LinkOutcome::kLinked;
  return ec == std::errc::file_exists ? LinkOutcome::kTaken : LinkOutcome::kFailed;
}

}  // namespace

std::unique_ptr<PortPublisher> PortPublisher::Publish(const std::filesystem::path& directory,
                                                      const std::string& device,
                                                      std::optional<int> com,
                                                      const std::set<int>& machineNumbers,
                                                      std::string& error) {
  std::error_code ec;
  std::filesystem::create_directories(directory, ec);
  if (ec) {
    error = "cannot create " + directory.string() + ": " + ec.message();
    return nullptr;
  }
  const int first = com.value_or(kFirstFreeCandidate);
  const int last = com.value_or(kLastCom);
  for (int n = first; n <= last; ++n) {
    if (!com && machineNumbers.contains(n)) continue;
    const std::filesystem::path link = PortLinkPath(directory, n);
    switch (TryLink(link, device, error)) {
      case LinkOutcome::kLinked:
        return std::unique_ptr<PortPublisher>(new PortPublisher(n, link, device));
      case LinkOutcome::kFailed:
        return nullptr;
      case LinkOutcome::kTaken:
        break;
    }
  }
  error = com ? "COM" + std::to_string(*com) + " is already published in " + directory.string()
              : "no free COM number in " + directory.string();
  return nullptr;
}

PortPublisher::PortPublisher(int com, std::filesystem::path link, std::string device)
    : com_(com), link_(std::move(link)), device_(std::move(device)) {}

PortPublisher::~PortPublisher() {
  // Only our own link: another simulator may have taken the number since.
  std::error_code ec;
  if (std::filesystem::read_symlink(link_, ec) == device_ && !ec) {
    std::filesystem::remove(link_, ec);
  }
}

}  // namespace tarnwick
