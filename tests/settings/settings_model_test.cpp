#include "settings/settings_model.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <variant>

namespace tarnwick {
namespace {

// A key of typed values, as the registry holds them; an unopenable key reads
// as empty and refuses writes.
class FakeSettingsStore : public SettingsStore {
 public:
  using Value = std::variant<std::int32_t, std::string>;

  std::optional<std::int32_t> ReadInteger(std::string_view name) const override {
    return Read<std::int32_t>(name);
  }
  std::optional<std::string> ReadString(std::string_view name) const override {
    return Read<std::string>(name);
  }
  bool WriteInteger(std::string_view name, std::int32_t value) override {
    return Write(name, value);
  }
  bool WriteString(std::string_view name, std::string_view value) override {
    return Write(name, std::string(value));
  }

  std::map<std::string, Value, std::less<>> values;
  bool opens = true;
  std::string refusedName;

 private:
  template <typename T>
  std::optional<T> Read(std::string_view name) const {
    const auto found = values.find(name);
    if (!opens || found == values.end()) return std::nullopt;
    if (const T* value = std::get_if<T>(&found->second)) return *value;
    return std::nullopt;
  }
  bool Write(std::string_view name, Value value) {
    if (!opens || name == refusedName) return false;
    values.insert_or_assign(std::string(name), std::move(value));
    return true;
  }
};

TEST(LoadConsoleSettingsTest, FirstRunTakesTheDefaults) {
  const FakeSettingsStore store;
  const ConsoleSettings settings = LoadConsoleSettings(store);
  EXPECT_EQ(settings.languageIndex, 1);
  EXPECT_EQ(settings.comPortNumber, 1);
  EXPECT_EQ(settings.pressureUnit, PressureUnit::kBar);
  EXPECT_EQ(settings.mainLeft, 0);
  EXPECT_EQ(settings.mainTop, 0);
}

TEST(LoadConsoleSettingsTest, TakesStoredValues) {
  FakeSettingsStore store;
  store.values = {{"Language", 3},
                  {"COM-Port", 7},
                  {"PressureUnit", std::string("MPa")},
                  {"MainLeft", -2000},
                  {"MainTop", 130}};
  const ConsoleSettings settings = LoadConsoleSettings(store);
  EXPECT_EQ(settings.languageIndex, 3);
  EXPECT_EQ(settings.comPortNumber, 7);
  EXPECT_EQ(settings.pressureUnit, PressureUnit::kMpa);
  EXPECT_EQ(settings.mainLeft, -2000);
  EXPECT_EQ(settings.mainTop, 130);
}

TEST(LoadConsoleSettingsTest, EachAbsentValueFallsBackOnItsOwn) {
  FakeSettingsStore store;
  store.values = {{"Language", 2}, {"MainTop", 40}};
  ConsoleSettings expected;
  expected.languageIndex = 2;
  expected.mainTop = 40;
  EXPECT_EQ(LoadConsoleSettings(store), expected);
}

TEST(LoadConsoleSettingsTest, KeepsTheLowSixteenBitsOfThePortAsSigned) {
  FakeSettingsStore store;
  store.values = {{"COM-Port", 70000}};
  EXPECT_EQ(LoadConsoleSettings(store).comPortNumber, 4464);
  store.values = {{"COM-Port", 65535}};
  EXPECT_EQ(LoadConsoleSettings(store).comPortNumber, -1);
  store.values = {{"COM-Port", -3}};
  EXPECT_EQ(LoadConsoleSettings(store).comPortNumber, -3);
}

TEST(LoadConsoleSettingsTest, UnitTextMustMatchExactly) {
  FakeSettingsStore store;
  for (const char* text : {"psi", "Psi", "mpa", "", "kPa"}) {
    store.values = {{"PressureUnit", std::string(text)}};
    EXPECT_EQ(LoadConsoleSettings(store).pressureUnit, PressureUnit::kBar) << text;
  }
  store.values = {{"PressureUnit", std::string("PSI")}};
  EXPECT_EQ(LoadConsoleSettings(store).pressureUnit, PressureUnit::kPsi);
}

TEST(LoadConsoleSettingsTest, UnknownLanguageIsEnglish) {
  FakeSettingsStore store;
  for (std::int32_t stored : {0, 4, 5, 6, -1, 1000}) {
    store.values = {{"Language", stored}};
    EXPECT_EQ(LoadConsoleSettings(store).languageIndex, 1) << stored;
  }
}

TEST(LoadConsoleSettingsTest, AValueOfTheWrongTypeCountsAsAbsent) {
  FakeSettingsStore store;
  store.values = {{"Language", std::string("3")},
                  {"COM-Port", std::string("COM4")},
                  {"PressureUnit", 2},
                  {"MainLeft", std::string("10")},
                  {"MainTop", 25}};
  ConsoleSettings expected;
  expected.mainTop = 25;
  EXPECT_EQ(LoadConsoleSettings(store), expected);
}

TEST(LoadConsoleSettingsTest, AnUnopenableStoreGivesAllDefaults) {
  FakeSettingsStore store;
  store.values = {{"Language", 2}, {"COM-Port", 5}};
  store.opens = false;
  EXPECT_EQ(LoadConsoleSettings(store), ConsoleSettings{});
}

TEST(SaveConsoleSettingsTest, WritesAllFiveWithTheirTypes) {
  FakeSettingsStore store;
  const ConsoleSettings settings{2, -1, PressureUnit::kPsi, -2000, 300};
  ASSERT_TRUE(SaveConsoleSettings(store, settings));
  const std::map<std::string, FakeSettingsStore::Value, std::less<>> expected = {
      {"Language", 2},
      {"COM-Port", -1},
      {"PressureUnit", std::string("PSI")},
      {"MainLeft", -2000},
      {"MainTop", 300}};
  EXPECT_EQ(store.values, expected);
}

TEST(SaveConsoleSettingsTest, WhatIsSavedLoadsBackUnchanged) {
  FakeSettingsStore store;
  const ConsoleSettings settings{3, 12, PressureUnit::kMpa, 17, -4};
  ASSERT_TRUE(SaveConsoleSettings(store, settings));
  EXPECT_EQ(LoadConsoleSettings(store), settings);
}

TEST(SaveConsoleSettingsTest, OverwritesAMisspelledUnitWithBar) {
  FakeSettingsStore store;
  store.values = {{"PressureUnit", std::string("psi")}};
  ASSERT_TRUE(SaveConsoleSettings(store, LoadConsoleSettings(store)));
  EXPECT_EQ(store.values.at("PressureUnit"), FakeSettingsStore::Value(std::string("bar")));
}

TEST(SaveConsoleSettingsTest, ReportsAFailedWriteAndStillWritesTheRest) {
  FakeSettingsStore store;
  store.refusedName = "COM-Port";
  EXPECT_FALSE(SaveConsoleSettings(store, ConsoleSettings{}));
  EXPECT_EQ(store.values.size(), 4U);
  EXPECT_FALSE(store.values.contains("COM-Port"));

  FakeSettingsStore closed;
  closed.opens = false;
  EXPECT_FALSE(SaveConsoleSettings(closed, ConsoleSettings{}));
}

}  // namespace
}  // namespace tarnwick
