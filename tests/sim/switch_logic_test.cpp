#include "sim/switch_logic.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

struct ContactCase {
  std::uint8_t function;
  float value;
  bool wasClosed;
  bool closed;
};

class SwitchContact : public ::testing::TestWithParam<ContactCase> {};

TEST_P(SwitchContact, FollowsFunctionAndPoints) {
  const ContactCase& c = GetParam();
  EXPECT_EQ(SwitchContactClosed({c.function, 6.0f, 4.0f}, c.value, c.wasClosed), c.closed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SwitchContact,
    ::testing::Values(ContactCase{0, 7.0f, true, false},    // off is always open
                      ContactCase{1, 6.0f, false, true},    // hysteresis NO closes at high
                      ContactCase{1, 5.0f, true, true},     // and holds between the points
                      ContactCase{1, 5.0f, false, false},   //
                      ContactCase{1, 4.0f, true, false},    // opens at low
                      ContactCase{2, 6.5f, true, false},    // NC is the inverse
                      ContactCase{2, 5.0f, false, false},   // holds open between
                      ContactCase{2, 3.0f, false, true},    //
                      ContactCase{3, 5.0f, false, true},    // window NO closed inside
                      ContactCase{3, 6.1f, true, false},    //
                      ContactCase{4, 5.0f, true, false},    // window NC open inside
                      ContactCase{4, 3.9f, false, true},    //
                      ContactCase{9, 5.0f, true, false}));  // unknown code: open

TEST(SwitchStateByte, MissingOutputStaysOpen) {
  const SwitchSetting closedWindow{3, 10.0f, 0.0f};
  SwitchSetting absent = closedWindow;
  absent.present = false;
  EXPECT_EQ(SwitchStateByte(closedWindow, closedWindow, 5.0f, 0), 3);
  EXPECT_EQ(SwitchStateByte(absent, closedWindow, 5.0f, 0), 2);
}

}  // namespace
}  // namespace tarnwick
