#include "ports/port_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "ports/port_names.h"
#include "test_machine.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using testing::Adapter;
using testing::Uart;

PortEntry Link(int comNumber, const std::string& device) {
  return {comNumber, device, true, "tarnwick VCP " + device};
}

PortEntry Device(int comNumber, const SerialDevice& device) {
  return {comNumber,     device.devicePath, false,        device.driver + " " + device.name,
          device.vendor, device.product,    device.serial};
}

using PortTableTest = testing::TestMachine;

TEST_F(PortTableTest, PublishedLinksToTerminalsArePortsAndOthersAreNot) {
  const fs::path root = dir_.root();
  std::ofstream(root / "plain") << "x";
  fs::create_symlink("/dev/null", root / "hop");
  Publish("COM5", "/dev/null");
  Publish("COM12", root / "hop");   // followed to the device
  Publish("COM7", root / "gone");   // left behind by a program that ended
  Publish("COM8", root / "plain");  // not a device
  Publish("COM0", "/dev/null");
  Publish("COM257", "/dev/null");
  Publish("COM09", "/dev/null");
  Publish("com6", "/dev/null");
  std::ofstream(dir_.ports() / "COM9") << "a file, not a link";

  EXPECT_THAT(table_.PresentPorts(), ElementsAre(Link(5, "/dev/null"), Link(12, "/dev/null")));
  EXPECT_EQ(table_.DevicePath(12), "/dev/null");
  for (int n : {0, 6, 7, 8, 9, 257}) EXPECT_EQ(table_.DevicePath(n), "") << "COM" << n;
  EXPECT_EQ(table_.MissingReason(7), "the link COM7 points at a missing device");
  EXPECT_EQ(table_.MissingReason(8),
            "the link COM8 points at something that is not a serial device");
  for (int n : {5, 6, 9}) EXPECT_EQ(table_.MissingReason(n), "") << "COM" << n;
}

// Whoever published COM1 meant it, not the UART that would otherwise be COM1.
TEST_F(PortTableTest, ABrokenLinkLeavesItsNumberWithoutADevice) {
  udev_->Set({Uart(0)});
  Publish("COM1", dir_.root() / "gone");

  EXPECT_EQ(table_.DevicePath(1), "");
  EXPECT_THAT(table_.PresentPorts(), ::testing::IsEmpty());
  EXPECT_EQ(table_.MissingReason(1), "the link COM1 points at a missing device");
}

TEST_F(PortTableTest, UartsAreNumberedFromOneAndEmptySlotsLeftOut) {
  udev_->Set({Uart(2), Uart(0), Uart(3, false)});

  EXPECT_THAT(table_.PresentPorts(), ElementsAre(Device(1, Uart(0)), Device(3, Uart(2))));
  EXPECT_EQ(table_.DevicePath(1), "/dev/ttyS0");
  EXPECT_EQ(table_.DevicePath(4), "");
  EXPECT_FALSE(fs::exists(NumberFile())) << "a UART's number needs no memory";
}

TEST_F(PortTableTest, APublishedLinkTakesTheNumberOfAUart) {
  udev_->Set({Uart(0), Uart(1)});
  Publish("COM2", "/dev/null");

  EXPECT_THAT(table_.PresentPorts(), ElementsAre(Device(1, Uart(0)), Link(2, "/dev/null")));
  EXPECT_EQ(table_.DevicePath(2), "/dev/null");
}

// Held: COM1 by the UART, COM2 by a link, COM3 by an unplugged adapter. The
// UART took COM1 after it was given to A, so A moves.
TEST_F(PortTableTest, AdaptersGetTheLowestNumberNothingElseHolds) {
  fs::create_directories(NumberFile().parent_path());
  std::ofstream(NumberFile()) << "COM1 serial A\nCOM3 serial OLD\n";
  const SerialDevice a = Adapter("ttyUSB0", "A", "pci-usb-0:1");
  const SerialDevice acm = Adapter("ttyACM0", "", "pci-usb-0:2");
  udev_->Set({a, Uart(0), acm});
  Publish("COM2", "/dev/null");

  EXPECT_THAT(table_.PortsInListOrder(),
              ElementsAre(Device(4, a), Device(1, Uart(0)), Device(5, acm), Link(2, "/dev/null")));
  EXPECT_THAT(table_.PresentPorts(),
              ElementsAre(Device(1, Uart(0)), Link(2, "/dev/null"), Device(4, a), Device(5, acm)));
  EXPECT_EQ(table_.DevicePath(5), "/dev/ttyACM0");
  EXPECT_EQ(table_.NumbersInUse(), (std::set<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(warnings_.str(), "");
}

TEST_F(PortTableTest, AnAdapterKeepsItsNumberAcrossReplugAndRestart) {
  const SerialDevice a = Adapter("ttyUSB0", "A", "pci-usb-0:1");
  const SerialDevice b = Adapter("ttyUSB1", "B", "pci-usb-0:2");
  udev_->Set({a, b});
  EXPECT_THAT(table_.PresentPorts(), ElementsAre(Device(1, a), Device(2, b)));

  const SerialDevice c = Adapter("ttyUSB0", "C", "pci-usb-0:1");
  udev_->Set({b, c});
  EXPECT_THAT(table_.PresentPorts(), ElementsAre(Device(2, b), Device(3, c)));

  const SerialDevice aElsewhere = Adapter("ttyUSB2", "A", "pci-usb-0:3");
  udev_->Set({aElsewhere, c});
  EXPECT_THAT(OtherTable()->PresentPorts(), ElementsAre(Device(1, aElsewhere), Device(3, c)));
}

// Written by hand, or by an earlier run: comments and lines of another form
// are passed over.
TEST_F(PortTableTest, ReadsNumbersFromTheFileAsWritten) {
  fs::create_directories(NumberFile().parent_path());
  std::ofstream(NumberFile()) << "# a comment\nCOM9 path pci-usb-0:7\nCOM07 serial A\nCOM8\n"
                                 "COM6 serial A\n";
  const SerialDevice a = Adapter("ttyUSB0", "A", "pci-usb-0:1");
  const SerialDevice noSerial = Adapter("ttyUSB1", "", "pci-usb-0:7");
  udev_->Set({a, noSerial});

  EXPECT_THAT(table_.PresentPorts(), ElementsAre(Device(6, a), Device(9, noSerial)));
}

// Which of the two comes first in the list can change with the next start.
TEST_F(PortTableTest, TwoIdenticalAdaptersGetTwoNumbersThatNeverSwap) {
  const SerialDevice left = Adapter("ttyUSB0", "SAME", "pci-usb-0:1");
  const SerialDevice right = Adapter("ttyUSB1", "SAME", "pci-usb-0:2");
  udev_->Set({left, right});
  EXPECT_THAT(table_.PresentPorts(), ElementsAre(Device(1, left), Device(2, right)));

  udev_->Set({right, left});
  EXPECT_THAT(OtherTable()->PresentPorts(), ElementsAre(Device(1, left), Device(2, right)));
}

// As root every file can be read and written, so the failures come from a
// directory where the file should be and a file where its directory should be.
TEST_F(PortTableTest, AFileThatCannotBeUsedCostsTheMemoryNotThePorts) {
  const struct {
    const char* failure;
    fs::path directory;
    fs::path file;
  } cases[] = {
      {"cannot read", NumberFile(), {}},
      {"cannot write", NumberFile().parent_path().parent_path(), NumberFile().parent_path()}};
  const SerialDevice a = Adapter("ttyUSB0", "A", "pci-usb-0:1");
  const SerialDevice b = Adapter("ttyUSB1", "B", "pci-usb-0:2");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.failure);
    fs::remove_all(dir_.root() / "config");
    fs::create_directories(c.directory);
    if (!c.file.empty()) std::ofstream(c.file) << "";
    warnings_.str("");
    const std::unique_ptr<LinuxPortTable> table = OtherTable();

    udev_->Set({a});
    EXPECT_THAT(table->PresentPorts(), ElementsAre(Device(1, a)));
    udev_->Set({b, a});
    EXPECT_THAT(table->PresentPorts(), ElementsAre(Device(1, a), Device(2, b)));
    const std::string warnings = warnings_.str();
    EXPECT_THAT(warnings, StartsWith(std::string("warning: ") + c.failure));
    EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), 1) << warnings;
  }
}

TEST(TrailingNumberTest, IsTheNumberAtTheEndOfAPortName) {
  const std::pair<const char*, int> cases[] = {{"COM3", 3}, {"COM10", 10}, {"COM", 0},
                                               {"", 0},     {"COM3x", 0},  {"COM99999999999", 0}};
  for (const auto& [name, number] : cases) EXPECT_EQ(TrailingNumber(name), number) << name;
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
