#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// Appends `line` (ending in a line break) to `file`, creating the file and its
// directories when missing, and returns once it is on the disk, so that a
// crash or a power cut loses at most the line being written. When the file
// ends in such a cut-off line, a line break goes first, so that `line` stays
// whole. Empty on success, else what failed, naming the file.
std::optional<std::string> AppendDurably(const std::filesystem::path& file, std::string_view line);

}  // namespace tarnwick
