// Every program answers --help with its usage on standard output, and needs
// no display, device or port for it.
#include "e2e_support.h"

namespace tarnwick::testing {
namespace {

TEST(ProgramHelp, EveryProgramPrintsItsUsageAndExits0) {
  const std::pair<std::string, std::string> programs[] = {
      {TARNWICK_CONSOLE_PROGRAM, "usage: tarnwick [workshop]"},
      {kCliProgram, "usage: tarnwick-cli"},
      {kSimProgram, "usage: tarnwick-sim"},
  };
  for (const auto& [program, usage] : programs) {
    ProgramRun run(program, {"--help"});
    const ProgramResult result = run.Finish();
    EXPECT_EQ(result.exitStatus, 0) << program;
    EXPECT_TRUE(result.out.starts_with(usage)) << program << ": " << result.out;
    EXPECT_EQ(result.err, "") << program;
  }
}

}  // namespace
}  // namespace tarnwick::testing
