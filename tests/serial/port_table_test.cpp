#include "ports/port_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "serial/private_ports_directory.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// A ports directory, a /dev and a /sys/class/tty of the test's own. The
// "devices" are links to /dev/null and /dev/zero: character devices anyone can
// point at without creating device nodes.
class PortTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(portsDir());
    fs::create_directories(devDir());
    fs::create_directories(sysDir());
  }

  fs::path portsDir() const { return dir_.ports(); }
  fs::path devDir() const { return root_ / "dev"; }
  fs::path sysDir() const { return root_ / "sys"; }

  void Publish(const std::string& name, const fs::path& target) const {
    fs::create_symlink(target, portsDir() / name);
  }
  void AddUart(const std::string& name, std::optional<int> sysType) const {
    fs::create_symlink("/dev/zero", devDir() / name);
    if (!sysType) return;
    fs::create_directories(sysDir() / name);
    std::ofstream(sysDir() / name / "type") << *sysType << '\n';
  }

  LinuxPortTable Table() const { return LinuxPortTable(devDir(), sysDir()); }

  testing::PrivatePortsDirectory dir_;
  const fs::path root_ = dir_.root();
};

TEST_F(PortTableTest, PublishedLinksToTerminalsArePortsAndOthersAreNot) {
  std::ofstream(root_ / "plain") << "x";
  fs::create_symlink("/dev/null", root_ / "hop");
  Publish("COM5", "/dev/null");
  Publish("COM12", root_ / "hop");   // followed to the device
  Publish("COM7", root_ / "gone");   // left behind by a program that ended
  Publish("COM8", root_ / "plain");  // not a device
  Publish("COM0", "/dev/null");
  Publish("COM257", "/dev/null");
  Publish("COM09", "/dev/null");
  Publish("com6", "/dev/null");
  std::ofstream(portsDir() / "COM9") << "a file, not a link";

  const LinuxPortTable table = Table();
  EXPECT_THAT(table.PresentPorts(),
              ElementsAre(PortEntry{5, "/dev/null", true}, PortEntry{12, "/dev/null", true}));
  EXPECT_EQ(table.DevicePath(12), "/dev/null");
  for (int n : {0, 6, 7, 8, 9, 257}) EXPECT_EQ(table.DevicePath(n), "") << "COM" << n;
  EXPECT_EQ(table.MissingReason(7), "the link COM7 points at a missing device");
  EXPECT_EQ(table.MissingReason(8),
            "the link COM8 points at something that is not a serial device");
  for (int n : {5, 6, 9}) EXPECT_EQ(table.MissingReason(n), "") << "COM" << n;
}

// Whoever published COM1 meant it, not the UART that would otherwise be COM1.
TEST_F(PortTableTest, ABrokenLinkLeavesItsNumberWithoutADevice) {
  AddUart("ttyS0", 4);
  Publish("COM1", root_ / "gone");

  const LinuxPortTable table = Table();
  EXPECT_EQ(table.DevicePath(1), "");
  EXPECT_THAT(table.PresentPorts(), ::testing::IsEmpty());
  EXPECT_EQ(table.MissingReason(1), "the link COM1 points at a missing device");
}

TEST_F(PortTableTest, UartsAreNumberedFromOneAndEmptySlotsLeftOut) {
  fs::remove_all(portsDir());  // no virtual ports at all
  AddUart("ttyS0", 4);
  AddUart("ttyS2", std::nullopt);  // no sysfs: taken as it is
  AddUart("ttyS3", 0);             // a slot with no UART behind it
  AddUart("ttyS05", 4);
  AddUart("ttySx", 4);
  AddUart("ttyS256", 4);  // would be COM257
  std::ofstream(devDir() / "ttyS4") << "not a device";

  const LinuxPortTable table = Table();
  EXPECT_THAT(table.PresentPorts(),
              ElementsAre(PortEntry{1, (devDir() / "ttyS0").string(), false},
                          PortEntry{3, (devDir() / "ttyS2").string(), false}));
  EXPECT_EQ(table.DevicePath(1), (devDir() / "ttyS0").string());
  EXPECT_EQ(table.DevicePath(4), "");
  EXPECT_EQ(table.DevicePath(5), "");
}

TEST_F(PortTableTest, APublishedLinkTakesTheNumberOfAUart) {
  AddUart("ttyS0", 4);
  AddUart("ttyS1", 4);
  Publish("COM2", "/dev/null");

  const LinuxPortTable table = Table();
  EXPECT_THAT(table.PresentPorts(), ElementsAre(PortEntry{1, (devDir() / "ttyS0").string(), false},
                                                PortEntry{2, "/dev/null", true}));
  EXPECT_EQ(table.DevicePath(2), "/dev/null");
}

struct ArgumentCase {
  const char* text;
  int comNumber;
  const char* devicePath;
};

class ParsePortArgumentTest : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(ParsePortArgumentTest, NamesAPortOrSaysWhyNot) {
  const PortArgument argument = ParsePortArgument(GetParam().text);
  EXPECT_EQ(argument.comNumber, GetParam().comNumber);
  EXPECT_EQ(argument.devicePath, GetParam().devicePath);
  const bool names = argument.comNumber != 0 || !argument.devicePath.empty();
  if (names) {
    EXPECT_EQ(argument.error, "");
  } else {
    EXPECT_THAT(argument.error, HasSubstr("'" + std::string(GetParam().text) + "'"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParsePortArgumentTest,
    ::testing::Values(ArgumentCase{"com3", 3, ""}, ArgumentCase{"Com256", 256, ""},
                      ArgumentCase{"/dev/ttyUSB0", 0, "/dev/ttyUSB0"}, ArgumentCase{"COM0", 0, ""},
                      ArgumentCase{"COM257", 0, ""}, ArgumentCase{"COM03", 0, ""},
                      ArgumentCase{"COM", 0, ""}, ArgumentCase{"COM3x", 0, ""},
                      ArgumentCase{"COM-3", 0, ""}, ArgumentCase{"COM99999999999", 0, ""},
                      ArgumentCase{"ttyUSB0", 0, ""}, ArgumentCase{"", 0, ""}));

}  // namespace
}  // namespace tarnwick
