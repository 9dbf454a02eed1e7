// tarnwick-cli given files and arguments it cannot use: a clear reason, and
// nothing sent to the device.
#include <sys/stat.h>

#include "e2e_support.h"

namespace tarnwick::testing {
namespace {

using nlohmann::json;

class CliFiles : public E2eTest {};

TEST_F(CliFiles, AFileThatCannotBeUsedNamesFileAndKeyAndSendsNothing) {
  SimProcess sim(kSimProgram, {"--instant", "--family", "2"});
  const ProgramResult read = Cli({"read", "--port", sim.portName()});
  ASSERT_EQ(read.exitStatus, 0) << read.err;
  json wrongType = json::parse(read.out);
  wrongType["switch1"]["highBar"] = "8";

  struct FileCase {
    std::vector<std::string> command;  // the file's path follows
    std::string name;
    std::string content;
    std::string reason;  // after the file's path
  };
  const std::vector<FileCase> cases{
      {{"program", "--config"},
       "corrupt.json",
       R"({"family": 2, "identity": )",
       "not valid JSON: parse error at line 1, column 27: syntax error while parsing value - "
       "unexpected end of input; expected '[', '{', or a literal"},
      {{"program", "--config"},
       "wrong-type.json",
       wrongType.dump(),
       "switch1.highBar: must be a number, not a text"},
      {{"factory-program", "--from", "1", "--to", "2", "--values"},
       "values.json",
       R"({"pressureRange": {"minBar": 0}})",
       "pressureRange.maxBar: missing"},
      {{"program", "--config"},
       "overflow.json",
       R"({"a":1e400})",
       "not valid JSON: number overflow parsing '1e400'"},
      {{"factory-program", "--from", "1", "--to", "2", "--values"},
       "overflow-values.json",
       R"({"windowHysteresis": -1e400})",
       "not valid JSON: number overflow parsing '-1e400'"},
      {{"program", "--config"},
       "huge.json",
       "[" + std::string(std::size_t{1} << 20, ' ') + "]",
       "is larger than 1 MiB"},
  };
  for (const FileCase& c : cases) {
    const std::string path = WriteFile(c.name, c.content);
    std::vector<std::string> arguments{"--trace", c.command.front(), "--port", sim.portName()};
    arguments.insert(arguments.end(), c.command.begin() + 1, c.command.end());
    arguments.push_back(path);
    const ProgramResult run = Cli(arguments);
    EXPECT_EQ(run.exitStatus, 1) << c.name;
    EXPECT_EQ(run.out, "") << c.name;
    EXPECT_EQ(run.err, Reason(path + ": " + c.reason)) << "and no frame traced";
  }

  const std::string missing = (ports.root() / "nowhere.json").string();
  EXPECT_EQ(Cli({"program", "--port", sim.portName(), "--config", missing}).err,
            Reason(missing + ": cannot be read"));
  EXPECT_EQ(Cli({"program", "--port", sim.portName(), "--config", ports.root().string()}).err,
            Reason(ports.root().string() + ": is a directory, not a file"));
  // Nobody writes into the FIFO: opening it would wait for ever.
  const std::string fifo = (ports.root() / "values.fifo").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(Cli({"factory-program", "--port", sim.portName(), "--from", "1", "--to", "1",
                 "--values", fifo})
                .err,
            Reason(fifo + ": is not a regular file"));
}

TEST_F(CliFiles, UsageMistakesExit2WithTheUsage) {
  const std::vector<std::vector<std::string>> mistakes{
      {},
      {"bogus"},
      {"read"},
      {"live", "--port", "COM2", "--count", "0"},
      {"identify", "--port", "LPT1"},
  };
  for (const auto& words : mistakes) {
    const ProgramResult run = Cli(words);
    const std::string line = ::testing::PrintToString(words);
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
