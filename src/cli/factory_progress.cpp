#include "cli/factory_progress.h"

#include <array>

#include "cli/frame_trace.h"
#include "cli/json_output.h"

namespace tarnwick::cli {
namespace {

// ProgramAddressRange sets these positions as each pass begins.
constexpr std::array<int, 3> kPassStartPositions{5, 20, 50};
constexpr std::array<const char*, 3> kPassSteps{"announce", "write", "transfer"};
constexpr int kTransferPass = 3;

}  // namespace

FactoryProgress::FactoryProgress() : CliObserver(0) {
  WatchSentFrames([this](std::span<const std::uint8_t> frame) { OnFrameSent(frame); });
}

FactoryProgress::~FactoryProgress() { WatchSentFrames(nullptr); }

void FactoryProgress::SetProgress(int position) {
  CliObserver::SetProgress(position);
  for (std::size_t n = 0; n < kPassStartPositions.size(); ++n) {
    if (position == kPassStartPositions[n]) {
      pass_ = static_cast<int>(n + 1);
      lastAddress_ = -1;
    }
  }
}

void FactoryProgress::OnFrameSent(std::span<const std::uint8_t> frame) {
  if (pass_ == 0 || frame.empty() || frame[0] == lastAddress_) return;
  lastAddress_ = frame[0];
  if (pass_ == kTransferPass) transferStations_.push_back(lastAddress_);
  PrintJson({{"pass", pass_},
             {"step", kPassSteps[static_cast<std::size_t>(pass_ - 1)]},
             {"address", lastAddress_}});
}

}  // namespace tarnwick::cli
