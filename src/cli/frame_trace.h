#pragma once

#include <cstdint>
#include <functional>
#include <span>

namespace tarnwick::cli {

// --trace: every frame written and every block read, in hex on stderr.
void EnableFrameTrace();

// Lets a command see every frame the link sends (the trace, when enabled,
// still gets them all); an empty function ends the watching.
using SentFrameWatcher = std::function<void(std::span<const std::uint8_t>)>;
void WatchSentFrames(SentFrameWatcher watcher);

}  // namespace tarnwick::cli
