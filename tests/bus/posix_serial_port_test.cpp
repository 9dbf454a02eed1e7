#include "bus/posix_serial_port.h"

#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

#include "support/pty_pair.h"

namespace tarnwick {
namespace {

using std::chrono::milliseconds;
using testing::PtyPair;
using SteadyClock = std::chrono::steady_clock;

constexpr int kLongTimeoutMs = 20000;
// Far beyond any test's own time-out: a read still running then never ended.
constexpr auto kNeverEnded = milliseconds(5000);

class PosixSerialPortTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(pty_.ok()); }

  std::unique_ptr<PosixSerialPort> OpenPort(int readTimeoutMs) {
    PortStatus status;
    auto port = PosixSerialPort::Open(pty_.slavePath(), status);
    EXPECT_TRUE(status.ok()) << status.systemText;
    if (!port) return nullptr;
    EXPECT_TRUE(port->SetLineSettings(9600).ok());
    EXPECT_TRUE(port->SetTimeouts(readTimeoutMs, 200).ok());
    return port;
  }

  bool TerminalLocked() const {
    int exclusive = 0;
    EXPECT_EQ(ioctl(pty_.heldSlave(), TIOCGEXCL, &exclusive), 0);
    return exclusive == 1;
  }

  PtyPair pty_;
};

class LineSettingsTest : public PosixSerialPortTest,
                         public ::testing::WithParamInterface<std::pair<std::uint32_t, speed_t>> {};

TEST_P(LineSettingsTest, RawEightNoneOneWithoutFlowControl) {
  PortStatus status;
  auto port = PosixSerialPort::Open(pty_.slavePath(), status);
  ASSERT_TRUE(port);
  ASSERT_TRUE(port->SetLineSettings(GetParam().first).ok());

  termios applied{};
  ASSERT_EQ(tcgetattr(pty_.heldSlave(), &applied), 0);
  EXPECT_EQ(cfgetospeed(&applied), GetParam().second);
  EXPECT_EQ(cfgetispeed(&applied), GetParam().second);
  EXPECT_EQ(applied.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), tcflag_t{CS8});
  EXPECT_EQ(applied.c_cflag & (CLOCAL | CREAD), tcflag_t{CLOCAL | CREAD});
  EXPECT_EQ(applied.c_iflag & (IXON | IXOFF | ICRNL | INLCR | ISTRIP), tcflag_t{0});
  EXPECT_EQ(applied.c_oflag & OPOST, tcflag_t{0});
  EXPECT_EQ(applied.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), tcflag_t{0});
  EXPECT_EQ(applied.c_cc[VMIN], 0);
  EXPECT_EQ(applied.c_cc[VTIME], 0);
}

INSTANTIATE_TEST_SUITE_P(BusBaudRates, LineSettingsTest,
                         ::testing::Values(std::pair{1200u, B1200}, std::pair{9600u, B9600},
                                           std::pair{115200u, B115200}));

// Tests run as root, whom the terminal's own lock does not stop: only the file
// lock can make the second open fail. The simulator keeps its slave open, so a
// terminal lock left behind would shut every later non-root open out.
TEST_F(PosixSerialPortTest, ASecondOpenIsBusyAndTheTerminalLockEndsWithTheFirst) {
  auto first = OpenPort(100);
  ASSERT_TRUE(first);
  EXPECT_TRUE(first->RaiseDtr().ok()) << "a pseudo-terminal has no modem lines: counts as raised";
  PortStatus status;
  EXPECT_EQ(PosixSerialPort::Open(pty_.slavePath(), status), nullptr);
  EXPECT_EQ(status.error, PortError::kBusy);
  EXPECT_EQ(status.systemText, "Resource temporarily unavailable") << "the system's own words";
  EXPECT_TRUE(TerminalLocked()) << "the refused open left the holder's lock alone";

  ASSERT_TRUE(first->Close().ok());
  EXPECT_FALSE(TerminalLocked());
  EXPECT_TRUE(PosixSerialPort::Open(pty_.slavePath(), status));
  EXPECT_TRUE(status.ok());
}

TEST_F(PosixSerialPortTest, TransfersOnAVanishedDeviceFailAtOnce) {
  auto port = OpenPort(kLongTimeoutMs);
  ASSERT_TRUE(port);
  pty_.HangUp();

  std::vector<std::uint8_t> buffer(16);
  const auto start = SteadyClock::now();
  const PortTransfer read = port->Read(buffer.data(), buffer.size());
  const PortTransfer written = port->Write(buffer.data(), buffer.size());
  EXPECT_LT(SteadyClock::now() - start, kNeverEnded);
  EXPECT_EQ(read.status.error, PortError::kIo);
  EXPECT_EQ(written.status.error, PortError::kIo);
  EXPECT_EQ(read.status.systemText, "Input/output error");
  EXPECT_TRUE(port->Close().ok());
}

TEST_F(PosixSerialPortTest, PurgeDropsInputThatArrivedBefore) {
  auto port = OpenPort(50);
  ASSERT_TRUE(port);
  ASSERT_TRUE(pty_.WriteToDevice({0x01, 0x02, 0x03, 0x04}));
  ASSERT_TRUE(pty_.WaitPendingForPort(4));

  EXPECT_TRUE(port->ClearErrors().ok());
  EXPECT_TRUE(port->PurgeBuffers().ok());
  std::vector<std::uint8_t> buffer(4);
  const PortTransfer read = port->Read(buffer.data(), buffer.size());
  EXPECT_TRUE(read.status.ok());
  EXPECT_EQ(read.count, 0U);
}

TEST(PosixSerialPortOpen, TellsWhyADeviceCannotBeUsed) {
  char pattern[] = "/tmp/tarnwick-serial-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::filesystem::path root = pattern;
  std::ofstream(root / "file") << "not a terminal";
  const std::pair<std::string, PortError> cases[] = {
      {root / "ttyUSB9", PortError::kNotFound}, {root / "file" / "ttyUSB0", PortError::kNotFound},
      {root / "file", PortError::kNotSerial},   {root, PortError::kNotSerial},
      {"/dev/null", PortError::kNotSerial},
  };
  for (const auto& [path, expected] : cases) {
    PortStatus status;
    EXPECT_EQ(PosixSerialPort::Open(path, status), nullptr) << path;
    EXPECT_EQ(status.error, expected) << path;
    EXPECT_FALSE(status.systemText.empty()) << path;
  }
  std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace tarnwick
