#pragma once

#include <cstdint>

#include "device/pressure_units.h"
#include "settings/settings_store.h"

namespace tarnwick {

inline constexpr std::string_view kLanguageSetting = "Language";
inline constexpr std::string_view kComPortSetting = "COM-Port";
inline constexpr std::string_view kPressureUnitSetting = "PressureUnit";
inline constexpr std::string_view kMainLeftSetting = "MainLeft";
inline constexpr std::string_view kMainTopSetting = "MainTop";

// What the console remembers between runs; the defaults are those of a first run.
struct ConsoleSettings {
  std::int32_t languageIndex = 1;
  std::int16_t comPortNumber = 1;
  PressureUnit pressureUnit = PressureUnit::kBar;
  std::int32_t mainLeft = 0;
  std::int32_t mainTop = 0;

  bool operator==(const ConsoleSettings&) const = default;
};

// Each value falls back to its default on its own. A language other than
// German or French is English, as the Language menu shows it; a unit text
// other than the three exact captions is bar; the port keeps the low 16 bits
// of what is stored, as a signed number; the window position is taken as it
// stands, even off screen.
ConsoleSettings LoadConsoleSettings(const SettingsStore& store);

// Writes all five values, each attempted even when an earlier one failed;
// false when any of them could not be stored.
bool SaveConsoleSettings(SettingsStore& store, const ConsoleSettings& settings);

}  // namespace tarnwick
