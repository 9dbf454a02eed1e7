// tarnwick-cli given files and arguments it cannot use: a clear reason, and
// nothing sent to the device.
#include "cli_e2e.h"

namespace tarnwick::testing {
namespace {

using nlohmann::json;

class CliFiles : public CliTest {};

struct FileCase {
  const char* command;
  const char* option;
  std::string name;
  std::string content;
  std::string reason;  // after the file's path
};

TEST_F(CliFiles, AFileThatCannotBeUsedNamesFileAndKeyAndSendsNothing) {
  SimProcess sim(kSimProgram, {"--instant", "--family", "2"});
  const ProgramResult read = Cli({"read", "--port", sim.portName()});
  ASSERT_EQ(read.exitStatus, 0) << read.err;
  json wrongType = json::parse(read.out);
  wrongType["switch1"]["highBar"] = "8";
  json missingKey = json::parse(read.out);
  missingKey.erase("serialNumber");

  const std::vector<FileCase> cases{
      {"program", "--config", "corrupt.json", R"({"family": 2, "identity": )",
       "not valid JSON: parse error at line 1, column 27: syntax error while parsing value - "
       "unexpected end of input; expected '[', '{', or a literal"},
      {"program", "--config", "wrong-type.json", wrongType.dump(),
       "switch1.highBar: must be a number, not a text"},
      {"program", "--config", "missing-key.json", missingKey.dump(), "serialNumber: missing"},
      {"program", "--config", "list.json", "[1, 2]", "the file must hold one JSON object"},
      {"factory-program", "--values", "values.json", R"({"pressureRange": {"minBar": 0}})",
       "pressureRange.maxBar: missing"},
  };
  for (const FileCase& c : cases) {
    const std::string path = WriteFile(c.name, c.content);
    std::vector<std::string> arguments{"--trace",      c.command, "--port",
                                       sim.portName(), c.option,  path};
    if (std::string(c.command) == "factory-program") {
      arguments.insert(arguments.end(), {"--from", "1", "--to", "2"});
    }
    const ProgramResult run = Cli(arguments);
    EXPECT_EQ(run.exitStatus, 1) << c.name;
    EXPECT_EQ(run.out, "") << c.name;
    EXPECT_EQ(run.err, Reason(path + ": " + c.reason));
    EXPECT_TRUE(SentFrames(run.err).empty()) << c.name;
  }

  const std::string missing = (ports.path() / "nowhere.json").string();
  EXPECT_EQ(Cli({"program", "--port", sim.portName(), "--config", missing}).err,
            Reason(missing + ": cannot be read"));
  EXPECT_EQ(Cli({"program", "--port", sim.portName(), "--config", ports.path().string()}).err,
            Reason(ports.path().string() + ": is a directory, not a file"));
}

TEST_F(CliFiles, UsageMistakesExit2WithTheUsage) {
  const std::vector<std::vector<std::string>> mistakes{
      {},
      {"bogus"},
      {"read"},
      {"read", "--port", "COM2", "--unit", "psi"},
      {"read", "--port", "COM2", "COM3"},
      {"live", "--port", "COM2", "--count", "0"},
      {"program", "--port", "COM2", "--config"},
      {"factory-program", "--port", "COM2", "--from", "1", "--to", "300", "--values", "v.json"},
      {"identify", "--port", "LPT1"},
  };
  for (const auto& words : mistakes) {
    const ProgramResult run = Cli(words);
    std::string line;
    for (const auto& w : words) line += w + " ";
    EXPECT_EQ(run.exitStatus, 2) << line;
    EXPECT_EQ(run.out, "") << line;
    EXPECT_TRUE(run.err.starts_with("tarnwick-cli: ")) << line << run.err;
    EXPECT_NE(run.err.find("\nusage: tarnwick-cli"), std::string::npos) << line << run.err;
  }
  const ProgramResult help = Cli({"--help"});
  EXPECT_EQ(help.exitStatus, 0);
  EXPECT_TRUE(help.out.starts_with("usage: tarnwick-cli")) << help.out;
}

}  // namespace
}  // namespace tarnwick::testing
