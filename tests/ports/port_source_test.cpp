#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <poll.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "ports/linux_port_source.h"
#include "test_machine.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;
using testing::Adapter;
using testing::Uart;

constexpr DeviceEvent kArrival{DeviceChange::kArrival};
constexpr DeviceEvent kRemoval{DeviceChange::kRemoval};

class LinuxPortSourceTest : public testing::TestMachine {
 protected:
  // What the console's socket notifiers would see, without waiting.
  bool Readable() const {
    std::vector<pollfd> watched;
    for (const int fd : source_.WatchedDescriptors()) watched.push_back({fd, POLLIN, 0});
    return poll(watched.data(), watched.size(), 0) > 0;
  }

  LinuxPortSource source_{table_, udev_};
};

TEST_F(LinuxPortSourceTest, AnnouncesLinksAndDevicesThatComeAndGo) {
  const PublishedPort uart{"serial8250 ttyS0", "COM1"};
  const PublishedPort adapter{"ftdi_sio ttyUSB0", "COM2"};
  const PublishedPort simulator{"tarnwick VCP /dev/null", "COM5"};
  udev_->Set({Uart(0)});
  EXPECT_THAT(source_.WatchedDescriptors(), SizeIs(2));
  EXPECT_FALSE(Readable());
  EXPECT_THAT(source_.Ports(), ElementsAre(uart));

  const struct {
    const char* what;
    std::function<void()> change;
    DeviceEvent event;
    std::vector<PublishedPort> ports;
  } steps[] = {
      {"a simulator starts", [&] { Publish("COM5", "/dev/null"); }, kArrival, {uart, simulator}},
      {"an adapter is plugged in",
       [&] { udev_->Plug(Adapter("ttyUSB0", "A", "pci-usb-0:1")); },
       kArrival,
       {uart, adapter, simulator}},
      {"the simulator ends", [&] { fs::remove(dir_.ports() / "COM5"); }, kRemoval, {uart, adapter}},
      {"the adapter is unplugged", [&] { udev_->Unplug("ttyUSB0"); }, kRemoval, {uart}},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    step.change();
    EXPECT_TRUE(Readable());
    EXPECT_THAT(source_.TakeEvents(), ElementsAre(step.event));
    EXPECT_FALSE(Readable());
    EXPECT_EQ(source_.Ports(), step.ports);
  }
}

TEST_F(LinuxPortSourceTest, FollowsThePortsDirectoryRemovedAndMadeAgain) {
  std::ofstream(dir_.ports() / "notes") << "not a port";
  fs::create_symlink("/dev/null", dir_.ports() / "com3");
  EXPECT_THAT(source_.TakeEvents(), IsEmpty());

  fs::remove_all(dir_.ports());
  Publish("COM4", "/dev/null");
  EXPECT_THAT(source_.TakeEvents(), ElementsAre(kArrival));
  fs::remove(dir_.ports() / "COM4");
  EXPECT_THAT(source_.TakeEvents(), ElementsAre(kRemoval));
}

}  // namespace
}  // namespace tarnwick
