#include "settings/settings_model.h"

#include <gtest/gtest.h>

#include "support/memory_settings_store.h"

namespace tarnwick {
namespace {

using enum PressureUnit;

TEST(LoadConsoleSettings, TakesEachStoredValueOfTheRightTypeAndDefaultsTheRest) {
  testing::MemorySettingsStore store;
  EXPECT_EQ(LoadConsoleSettings(store), (ConsoleSettings{1, 1, kBar, 0, 0}));
  store.values = {{"Language", 3},
                  {"COM-Port", 7},
                  {"PressureUnit", std::string("MPa")},
                  {"MainLeft", -2000},
                  {"MainTop", 130}};
  EXPECT_EQ(LoadConsoleSettings(store), (ConsoleSettings{3, 7, kMpa, -2000, 130}));
  store.values = {{"Language", std::string("3")},
                  {"COM-Port", std::string("COM4")},
                  {"PressureUnit", 2},
                  {"MainLeft", std::string("10")},
                  {"MainTop", 25}};
  EXPECT_EQ(LoadConsoleSettings(store), (ConsoleSettings{1, 1, kBar, 0, 25}));
  store.opens = false;
  EXPECT_EQ(LoadConsoleSettings(store), ConsoleSettings{});
}

TEST(LoadConsoleSettings, MakesUsableWhatTheConsoleCannotTakeAsItStands) {
  testing::MemorySettingsStore store;
  const auto load = [&store](const char* name, testing::MemorySettingsStore::Value value) {
    store.values = {{name, std::move(value)}};
    return LoadConsoleSettings(store);
  };
  // The port keeps its low sixteen bits, as a signed number.
  EXPECT_EQ(load("COM-Port", 70000).comPortNumber, 4464);
  EXPECT_EQ(load("COM-Port", 65535).comPortNumber, -1);
  EXPECT_EQ(load("COM-Port", -3).comPortNumber, -3);
  for (const char* text : {"psi", "mpa", "", "kPa"}) {
    EXPECT_EQ(load("PressureUnit", std::string(text)).pressureUnit, kBar) << text;
  }
  EXPECT_EQ(load("PressureUnit", std::string("PSI")).pressureUnit, kPsi);
  for (std::int32_t stored : {0, 4, -1, 1000}) {
    EXPECT_EQ(load("Language", stored).languageIndex, 1) << stored;
  }
}

TEST(SaveConsoleSettings, WritesAllFiveWithTheirTypesAndTheyLoadBackUnchanged) {
  testing::MemorySettingsStore store;
  const ConsoleSettings settings{2, -1, kPsi, -2000, 300};
  ASSERT_TRUE(SaveConsoleSettings(store, settings));
  const std::map<std::string, testing::MemorySettingsStore::Value, std::less<>> expected = {
      {"Language", 2},
      {"COM-Port", -1},
      {"PressureUnit", std::string("PSI")},
      {"MainLeft", -2000},
      {"MainTop", 300}};
  EXPECT_EQ(store.values, expected);
  EXPECT_EQ(LoadConsoleSettings(store), settings);
}

TEST(SaveConsoleSettings, ReportsAFailedWriteAndStillWritesTheRest) {
  testing::MemorySettingsStore store;
  store.refusedName = "COM-Port";
  EXPECT_FALSE(SaveConsoleSettings(store, ConsoleSettings{}));
  EXPECT_EQ(store.values.size(), 4U);
  EXPECT_FALSE(store.values.contains("COM-Port"));

  store.opens = false;
  EXPECT_FALSE(SaveConsoleSettings(store, ConsoleSettings{}));
}

}  // namespace
}  // namespace tarnwick
