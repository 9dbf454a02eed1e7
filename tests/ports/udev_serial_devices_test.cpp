#include "ports/udev_serial_devices.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using ::testing::IsEmpty;
using ::testing::MatchesRegex;
using ::testing::Not;
using ::testing::StartsWith;

// The machine running the tests has no adapters and may have UARTs or none;
// whatever it lists must be serial hardware, never a virtual terminal.
TEST(UdevSerialDevicesTest, ListsOnlySerialHardware) {
  for (const SerialDevice& device : UdevSerialDevices().Enumerate()) {
    EXPECT_THAT(device.name, Not(MatchesRegex("tty[0-9]*|ptmx|console")));
    EXPECT_THAT(device.devicePath, StartsWith("/dev/")) << device.name;
    EXPECT_NE(device.driver, "") << device.name;
  }
}

TEST(UdevSerialMonitorTest, TakesNothingAtOnceWhenNothingHappened) {
  UdevSerialMonitor monitor;
  EXPECT_THAT(monitor.TakeEvents(), IsEmpty());
}

}  // namespace
}  // namespace tarnwick
