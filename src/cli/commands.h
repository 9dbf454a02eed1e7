#pragma once

#include <string>
#include <vector>

namespace tarnwick::cli {

// Each command takes the words after its name and returns the exit status:
// 0 success, 1 a device, port or file failure (reason on stderr), 2 a usage
// mistake.
int RunIdentify(const std::vector<std::string>& words);
int RunRead(const std::vector<std::string>& words);
int RunProgram(const std::vector<std::string>& words);
int RunLive(const std::vector<std::string>& words);
int RunFactoryProgram(const std::vector<std::string>& words);
int RunPorts(const std::vector<std::string>& words);
int RunScan(const std::vector<std::string>& words);

}  // namespace tarnwick::cli
