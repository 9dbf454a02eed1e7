#pragma once

#include <string>
#include <vector>

#include "cli/cli_context.h"

namespace tarnwick::cli {

// Each command takes the words after its name and returns the exit status:
// 0 success, 1 a device, port or file failure (reason on stderr), 2 a usage
// mistake.
int RunIdentify(const std::vector<std::string>& words, const CliContext& context);
int RunRead(const std::vector<std::string>& words, const CliContext& context);
int RunProgram(const std::vector<std::string>& words, const CliContext& context);
int RunLive(const std::vector<std::string>& words, const CliContext& context);
int RunFactoryProgram(const std::vector<std::string>& words, const CliContext& context);
int RunPorts(const std::vector<std::string>& words, const CliContext& context);
int RunScan(const std::vector<std::string>& words, const CliContext& context);

}  // namespace tarnwick::cli
