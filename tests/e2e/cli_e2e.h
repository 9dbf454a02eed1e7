#pragma once

#include <cstdint>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "e2e_support.h"

namespace tarnwick::testing {

// tarnwick-cli runs against simulators of the test's own, with the files they
// need in the test's private directory.
class CliTest : public E2eTest {
 protected:
  std::string WriteFile(const std::string& name, const std::string& content) const;
  std::string WriteJson(const std::string& name, const nlohmann::json& content) const;

  // Starts tarnwick-cli; Finish() gives its result.
  static std::unique_ptr<ProgramRun> StartCli(const std::vector<std::string>& arguments);
  static ProgramResult Cli(const std::vector<std::string>& arguments);
};

// "tarnwick-cli: <text>\n", the one line a failure prints on stderr.
std::string Reason(const std::string& text);

// Each line of `out` parsed as JSON (discarded values where it is not).
std::vector<nlohmann::json> JsonLines(const std::string& out);

// The frames a --trace run sent, from its "> FA 30 04 43" lines on stderr.
std::vector<std::vector<std::uint8_t>> SentFrames(const std::string& err);

// The sent frames whose function writes to a device or starts a programmer job.
std::size_t WritingFrames(const std::vector<std::vector<std::uint8_t>>& frames);

}  // namespace tarnwick::testing
