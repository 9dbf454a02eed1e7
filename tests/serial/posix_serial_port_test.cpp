#include "bus/posix_serial_port.h"

#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "ports/port_table.h"
#include "pty_pair.h"

namespace tarnwick {
namespace {

using std::chrono::milliseconds;
using testing::PtyPair;
using SteadyClock = std::chrono::steady_clock;

constexpr int kPeerWaitMs = 5000;
// Far beyond any test's own time-out: a read still running then never ended.
constexpr auto kNeverEnded = milliseconds(5000);

milliseconds Since(SteadyClock::time_point start) {
  return std::chrono::duration_cast<milliseconds>(SteadyClock::now() - start);
}

class PosixSerialPortTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(pty_.ok()); }

  std::unique_ptr<PosixSerialPort> OpenPort(int readTimeoutMs) {
    PortError error = PortError::kIo;
    auto port = PosixSerialPort::Open(pty_.slavePath(), error);
    EXPECT_EQ(error, PortError::kNone);
    if (!port) return nullptr;
    EXPECT_TRUE(port->SetLineSettings(9600));
    EXPECT_TRUE(port->SetTimeouts(readTimeoutMs, 200));
    return port;
  }

  PtyPair pty_;
};

class LineSettingsTest : public PosixSerialPortTest,
                         public ::testing::WithParamInterface<std::pair<std::uint32_t, speed_t>> {};

TEST_P(LineSettingsTest, RawEightNoneOneWithoutFlowControl) {
  PortError error = PortError::kIo;
  auto port = PosixSerialPort::Open(pty_.slavePath(), error);
  ASSERT_TRUE(port);
  ASSERT_TRUE(port->SetLineSettings(GetParam().first));

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

TEST_F(PosixSerialPortTest, DtrOnAPseudoTerminalCountsAsRaised) {
  auto port = OpenPort(100);
  ASSERT_TRUE(port);
  EXPECT_TRUE(port->RaiseDtr());
}

// Tests run as root, whom the terminal's own lock does not stop: only the file
// lock can make this second open fail.
TEST_F(PosixSerialPortTest, SecondOpenOfTheSameDeviceIsBusyUntilTheFirstCloses) {
  auto first = OpenPort(100);
  ASSERT_TRUE(first);

  PortError error = PortError::kNone;
  EXPECT_EQ(PosixSerialPort::Open(pty_.slavePath(), error), nullptr);
  EXPECT_EQ(error, PortError::kBusy);

  ASSERT_TRUE(first->Close());
  auto again = PosixSerialPort::Open(pty_.slavePath(), error);
  EXPECT_TRUE(again);
  EXPECT_EQ(error, PortError::kNone);
}

// The simulator keeps its slave open; a terminal lock left behind would shut
// every later non-root open out.
TEST_F(PosixSerialPortTest, CloseLiftsTheTerminalLockWhileOthersHoldTheDevice) {
  auto port = OpenPort(100);
  ASSERT_TRUE(port);
  int exclusive = 0;
  ASSERT_EQ(ioctl(pty_.heldSlave(), TIOCGEXCL, &exclusive), 0);
  EXPECT_EQ(exclusive, 1);

  ASSERT_TRUE(port->Close());
  ASSERT_EQ(ioctl(pty_.heldSlave(), TIOCGEXCL, &exclusive), 0);
  EXPECT_EQ(exclusive, 0);
}

TEST_F(PosixSerialPortTest, BusyOpenLeavesTheHoldersTerminalLockInPlace) {
  auto holder = OpenPort(100);
  ASSERT_TRUE(holder);
  PortError error = PortError::kNone;
  ASSERT_EQ(PosixSerialPort::Open(pty_.slavePath(), error), nullptr);

  int exclusive = 0;
  ASSERT_EQ(ioctl(pty_.heldSlave(), TIOCGEXCL, &exclusive), 0);
  EXPECT_EQ(exclusive, 1);
}

TEST_F(PosixSerialPortTest, RoundTripWithAnEchoingDevice) {
  auto port = OpenPort(kPeerWaitMs);
  ASSERT_TRUE(port);
  const std::vector<std::uint8_t> request{0xFA, 0x30, 0x04, 0x43, 0x00, 0x0A, 0x0D};

  // The device answers in two pieces, so the read has to wait and gather.
  std::thread device([&] {
    const std::vector<std::uint8_t> seen = pty_.ReadFromDevice(request.size(), kPeerWaitMs);
    const auto half = seen.begin() + static_cast<std::ptrdiff_t>(seen.size() / 2);
    pty_.WriteToDevice({seen.begin(), half});
    std::this_thread::sleep_for(milliseconds(20));
    pty_.WriteToDevice({half, seen.end()});
  });
  EXPECT_EQ(port->Write(request.data(), request.size()), static_cast<long>(request.size()));
  std::vector<std::uint8_t> reply(request.size());
  const long received = port->Read(reply.data(), reply.size());
  device.join();

  EXPECT_EQ(received, static_cast<long>(request.size()));
  EXPECT_EQ(reply, request);
}

TEST_F(PosixSerialPortTest, ReadWithNothingArrivingEndsWithNoBytesAfterTheTimeout) {
  constexpr int kTimeoutMs = 200;
  auto port = OpenPort(kTimeoutMs);
  ASSERT_TRUE(port);
  std::vector<std::uint8_t> buffer(8);

  const auto start = SteadyClock::now();
  EXPECT_EQ(port->Read(buffer.data(), buffer.size()), 0);
  const milliseconds elapsed = Since(start);
  EXPECT_GE(elapsed, milliseconds(kTimeoutMs - 10));
  EXPECT_LT(elapsed, kNeverEnded);
}

TEST_F(PosixSerialPortTest, DeviceGoingAwayEndsAPendingReadWithWhatArrived) {
  constexpr int kLongTimeoutMs = 20000;
  auto port = OpenPort(kLongTimeoutMs);
  ASSERT_TRUE(port);

  pty_.WriteToDevice({0x11, 0x22, 0x33});
  ASSERT_TRUE(pty_.WaitPendingForPort(3));
  // Hang up only once the read has taken the bytes: a hang-up discards what
  // is still queued.
  std::thread device([&] {
    pty_.WaitPendingForPort(0);
    pty_.HangUp();
  });
  std::vector<std::uint8_t> buffer(16);
  const auto start = SteadyClock::now();
  const long received = port->Read(buffer.data(), buffer.size());
  const milliseconds elapsed = Since(start);
  device.join();

  ASSERT_EQ(received, 3);
  EXPECT_EQ(buffer[2], 0x33);
  EXPECT_LT(elapsed, kNeverEnded);
}

TEST_F(PosixSerialPortTest, TransfersOnAVanishedDeviceFailAtOnce) {
  constexpr int kLongTimeoutMs = 20000;
  auto port = OpenPort(kLongTimeoutMs);
  ASSERT_TRUE(port);
  pty_.HangUp();

  std::vector<std::uint8_t> buffer(16);
  const auto start = SteadyClock::now();
  EXPECT_EQ(port->Read(buffer.data(), buffer.size()), -1);
  EXPECT_EQ(port->Write(buffer.data(), buffer.size()), -1);
  EXPECT_LT(Since(start), kNeverEnded);
  EXPECT_TRUE(port->Close());
}

TEST_F(PosixSerialPortTest, PurgeDropsInputThatArrivedBefore) {
  auto port = OpenPort(50);
  ASSERT_TRUE(port);
  pty_.WriteToDevice({0x01, 0x02, 0x03, 0x04});
  ASSERT_TRUE(pty_.WaitPendingForPort(4));

  EXPECT_TRUE(port->ClearErrors());
  EXPECT_TRUE(port->PurgeBuffers());
  std::vector<std::uint8_t> buffer(4);
  EXPECT_EQ(port->Read(buffer.data(), buffer.size()), 0);
}

struct OpenFailureCase {
  const char* name;
  const char* path;  // below a fresh temporary directory holding a regular file "file"
  PortError error;
};

class OpenFailureTest : public ::testing::TestWithParam<OpenFailureCase> {};

TEST_P(OpenFailureTest, TellsWhyTheDeviceCannotBeUsed) {
  char pattern[] = "/tmp/tarnwick-serial-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::filesystem::path root = pattern;
  std::ofstream(root / "file") << "not a terminal";

  const std::string path = GetParam().path[0] == '/' ? GetParam().path : (root / GetParam().path);
  PortError error = PortError::kNone;
  EXPECT_EQ(PosixSerialPort::Open(path, error), nullptr);
  EXPECT_EQ(error, GetParam().error);
  std::filesystem::remove_all(root);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, OpenFailureTest,
    ::testing::Values(OpenFailureCase{"Missing", "ttyUSB9", PortError::kNotFound},
                      OpenFailureCase{"BelowAFile", "file/ttyUSB0", PortError::kNotFound},
                      OpenFailureCase{"RegularFile", "file", PortError::kNotSerial},
                      OpenFailureCase{"Directory", ".", PortError::kNotSerial},
                      OpenFailureCase{"NotATerminal", "/dev/null", PortError::kNotSerial}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PosixSerialPortFactoryTest, OpensTheDeviceTheTableMapsTheNumberTo) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  const FixedPortTable table(4, pty.slavePath());
  PosixSerialPortFactory factory(table);

  EXPECT_EQ(factory.DeviceName(4), pty.slavePath());
  PortError error = PortError::kIo;
  EXPECT_TRUE(factory.Open(4, error));
  EXPECT_EQ(error, PortError::kNone);

  EXPECT_EQ(factory.DeviceName(5), "");
  EXPECT_EQ(factory.Open(5, error), nullptr);
  EXPECT_EQ(error, PortError::kNotFound);
}

}  // namespace
}  // namespace tarnwick
