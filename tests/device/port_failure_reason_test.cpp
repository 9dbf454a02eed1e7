#include "device/port_failure_reason.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(PortFailureReason, SaysWhyInPlainWordsWhereTheSystemTells) {
  const struct {
    int language;
    int comNumber;
    PortError error;
    const char* device;
    const char* reason;
  } cases[] = {
      {1, 0, PortError::kBusy, "", "No COM port is chosen: choose one in the Port menu."},
      {1, 300, PortError::kNone, "", "COM300 is not present on this computer."},
      {2, 5, PortError::kNotFound, "", "COM5 ist an diesem Computer nicht vorhanden."},
      {3, 3, PortError::kBusy, "/dev/pts/3", "COM3 est utilisé par un autre programme."},
      {1, 3, PortError::kPermission, "/dev/ttyUSB0",
       "You may not open /dev/ttyUSB0: add your user to the group dialout and log in again."},
      {1, 4, PortError::kNotSerial, "", "COM4 is not a serial port."},
      {1, 3, PortError::kIo, "/dev/ttyUSB0", ""},
      {1, 3, PortError::kSettings, "/dev/ttyUSB0", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(
        PortFailureReason(c.language, c.comNumber, PortStatus::Failed(c.error, "text"), c.device),
        c.reason)
        << c.comNumber;
  }
}

}  // namespace
}  // namespace tarnwick
