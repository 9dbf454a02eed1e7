#include "ports/port_menu_rules.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ports/com_port_description.h"
#include "ports/device_event.h"

namespace tarnwick {
namespace {

using ::testing::ElementsAre;

TEST(PortMenuRules, SortsByTheNumberOfAllDigitsKeepingTiesInOrder) {
  std::vector<std::string> names{
      "COM10", "COM3", "LPT", "A1B2", "COM3", "X0", "COM99999999999999999999", "COM2"};
  SortPortsByNumber(names);
  EXPECT_THAT(names, ElementsAre("LPT", "X0", "COM2", "COM3", "COM3", "COM10", "A1B2",
                                 "COM99999999999999999999"));
}

TEST(PortMenuRules, CaptionsMarkTheFirstDigitAndNumbersStartThere) {
  const struct {
    const char* name;
    const char* caption;
    int number;
  } cases[] = {
      {"COM3", "COM &3", 3}, {"COM12", "COM &12", 12}, {"COM3A", "COM &3A", 3},
      {"LPT", "LPT", 0},     {"A&B7", "A&&B &7", 7},   {"COM99999999999", "COM &99999999999", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PortMenuCaption(c.name), c.caption) << c.name;
    EXPECT_EQ(PortMenuNumber(c.name), c.number) << c.name;
  }
}

TEST(PortMenuRules, MarksTheLastMatchElseTheFirstItemWhenAnyPortIsPresent) {
  const struct {
    std::vector<int> numbers;
    int comPortNumber;
    int marked;
  } cases[] = {
      {{1, 3}, 3, 2},
      {{3, 1, 3}, 3, 3},
      {{1, 3}, 5, kSetComPortItem},
      {{0, 1}, 0, kSetComPortItem},  // a port without digits is never the chosen one
      {{}, 5, kNoPortMenuItem},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PortMenuItemToMark(c.numbers, c.comPortNumber), c.marked) << c.comPortNumber;
  }
}

TEST(ComPortDescription, NumbersVirtualPortsAndKeepsTheFirstOfAPortName) {
  const std::vector<T_Com_Port_Description> entries = DescribePorts({{"\\Device\\Serial0", "COM10"},
                                                                     {"\\Device\\VCP0", "COM3"},
                                                                     {"\\Device\\vcp1", "LPT"},
                                                                     {"\\Device\\VCP2", "COM3"}});
  EXPECT_THAT(entries,
              ElementsAre(T_Com_Port_Description{"\\Device\\Serial0", "COM10", 10, false, false},
                          T_Com_Port_Description{"\\Device\\VCP0", "COM3", 3, true, false},
                          T_Com_Port_Description{"\\Device\\vcp1", "LPT", 0, false, false}));
}

TEST(DeviceEvents, WindowsMessagesOfArrivalAndRemovalAndTheirTexts) {
  constexpr std::uintptr_t kArrival = 0x8000;
  constexpr std::uintptr_t kRemoveComplete = 0x8004;
  constexpr std::uintptr_t kQueryRemove = 0x8001;
  EXPECT_EQ(DeviceEventOfMessage(kArrival, 3), (DeviceEvent{DeviceChange::kArrival, 3}));
  EXPECT_EQ(DeviceEventOfMessage(kRemoveComplete, 2), (DeviceEvent{DeviceChange::kRemoval, 2}));
  EXPECT_EQ(DeviceEventOfMessage(kQueryRemove, 3), std::nullopt);

  EXPECT_EQ(DeviceEventText({DeviceChange::kArrival, 0}), "OEM-Device connected");
  EXPECT_EQ(DeviceEventText({DeviceChange::kRemoval, 6}), "file system removed");
  for (int type : {-1, 7}) EXPECT_EQ(DeviceEventText({DeviceChange::kArrival, type}), "") << type;
}

}  // namespace
}  // namespace tarnwick
