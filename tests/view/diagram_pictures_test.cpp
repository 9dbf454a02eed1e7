#include "view/diagram_pictures.h"

#include <gtest/gtest.h>

#include <string>

#include "support/family_numbers.h"

namespace tarnwick {
namespace {

TEST(DelayPanelAvailableTest, PressureSwitchAndNewerLevelDevices) {
  struct Case {
    int family;
    std::uint8_t major;
    std::uint8_t minor;
    bool expected;
  };
  for (const Case& c :
       {Case{1, 5, 12, true}, Case{2, 10, 0, false}, Case{0, 10, 0, false}, Case{4, 6, 10, false},
        Case{4, 6, 20, false}, Case{4, 9, 47, false}, Case{4, 9, 48, true}, Case{4, 9, 49, false},
        Case{4, 10, 0, true}, Case{4, 200, 0, true}}) {
    DeviceIdentity identity;
    identity.VersionMajor = c.major;
    identity.VersionMinor = c.minor;
    EXPECT_EQ(DelayPanelAvailable(Family(c.family), identity), c.expected)
        << "family " << c.family << " version " << int{c.major} << "." << int{c.minor};
  }
}

}  // namespace
}  // namespace tarnwick
