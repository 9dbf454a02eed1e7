#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "cli/cli_observer.h"

namespace tarnwick::cli {

// Follows the factory programming of an address range: which of its three
// passes runs (announce, write, transfer), taken from the progress positions
// the engine sets at each pass's start, and which station it talks to, taken
// from the frames it sends. Prints one JSON line per station and pass when the
// first frame to that station in that pass goes out.
class FactoryProgress final : public CliObserver {
 public:
  FactoryProgress();
  FactoryProgress(const FactoryProgress&) = delete;
  FactoryProgress& operator=(const FactoryProgress&) = delete;
  ~FactoryProgress() override;

  void SetProgress(int position) override;

  // The stations the transfer pass has reached, in order: after a successful
  // run, every station of the range.
  const std::vector<int>& transferStations() const { return transferStations_; }

 private:
  void OnFrameSent(std::span<const std::uint8_t> frame);

  int pass_ = 0;
  int lastAddress_ = -1;
  std::vector<int> transferStations_;
};

}  // namespace tarnwick::cli
