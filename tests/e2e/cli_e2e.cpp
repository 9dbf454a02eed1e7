#include "cli_e2e.h"

#include <fstream>
#include <set>
#include <sstream>

#include "bus/functions.h"

namespace tarnwick::testing {

std::string CliTest::WriteFile(const std::string& name, const std::string& content) const {
  const std::string path = (ports.path() / name).string();
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

std::string CliTest::WriteJson(const std::string& name, const nlohmann::json& content) const {
  return WriteFile(name, content.dump(2));
}

std::unique_ptr<ProgramRun> CliTest::StartCli(const std::vector<std::string>& arguments) {
  return std::make_unique<ProgramRun>(kCliProgram, arguments);
}

ProgramResult CliTest::Cli(const std::vector<std::string>& arguments) {
  return RunProgram(kCliProgram, arguments);
}

std::string Reason(const std::string& text) { return "tarnwick-cli: " + text + "\n"; }

std::vector<nlohmann::json> JsonLines(const std::string& out) {
  std::vector<nlohmann::json> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(nlohmann::json::parse(line, nullptr, false));
  }
  return lines;
}

std::vector<std::vector<std::uint8_t>> SentFrames(const std::string& err) {
  std::vector<std::vector<std::uint8_t>> frames;
  std::istringstream in(err);
  for (std::string line; std::getline(in, line);) {
    if (!line.starts_with("> ")) continue;
    std::istringstream hex(line.substr(2));
    std::vector<std::uint8_t> frame;
    for (unsigned byte = 0; hex >> std::hex >> byte;)
      frame.push_back(static_cast<std::uint8_t>(byte));
    frames.push_back(frame);
  }
  return frames;
}

std::size_t WritingFrames(const std::vector<std::vector<std::uint8_t>>& frames) {
  const std::set<std::uint8_t> writing{kFnWriteCoefficient, kFnWriteConfig, kFnWriteParameter,
                                       kFnStartProgrammerJob};
  std::size_t count = 0;
  for (const auto& frame : frames) {
    if (frame.size() > 1 && writing.contains(frame[1])) ++count;
  }
  return count;
}

}  // namespace tarnwick::testing
