#include "settings/settings_model.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <variant>

namespace tarnwick {
namespace {

using enum PressureUnit;

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

TEST(LoadConsoleSettings, TakesEachStoredValueOfTheRightTypeAndDefaultsTheRest) {
  FakeSettingsStore store;
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
  FakeSettingsStore store;
  const auto load = [&store](const char* name, FakeSettingsStore::Value value) {
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
  FakeSettingsStore store;
  const ConsoleSettings settings{2, -1, kPsi, -2000, 300};
  ASSERT_TRUE(SaveConsoleSettings(store, settings));
  const std::map<std::string, FakeSettingsStore::Value, std::less<>> expected = {
      {"Language", 2},
      {"COM-Port", -1},
      {"PressureUnit", std::string("PSI")},
      {"MainLeft", -2000},
      {"MainTop", 300}};
  EXPECT_EQ(store.values, expected);
  EXPECT_EQ(LoadConsoleSettings(store), settings);
}

TEST(SaveConsoleSettings, ReportsAFailedWriteAndStillWritesTheRest) {
  FakeSettingsStore store;
  store.refusedName = "COM-Port";
  EXPECT_FALSE(SaveConsoleSettings(store, ConsoleSettings{}));
  EXPECT_EQ(store.values.size(), 4U);
  EXPECT_FALSE(store.values.contains("COM-Port"));

  store.opens = false;
  EXPECT_FALSE(SaveConsoleSettings(store, ConsoleSettings{}));
}

}  // namespace
}  // namespace tarnwick
