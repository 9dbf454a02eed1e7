#include "settings/settings_model.h"

#include "texts/message_table.h"

namespace tarnwick {
namespace {

// Rows 4 and 5 of the text table are empty and everything beyond lies outside
// it, so an unknown language would blank every caption.
std::int32_t KnownLanguage(std::int32_t stored) {
  return stored == kLanguageGerman || stored == kLanguageFrench ? stored : kLanguageEnglish;
}

std::int16_t LowSigned16(std::int32_t stored) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(stored & 0xFFFF));
}

}  // namespace

ConsoleSettings LoadConsoleSettings(const SettingsStore& store) {
  ConsoleSettings settings;
  if (const auto language = store.ReadInteger(kLanguageSetting)) {
    settings.languageIndex = KnownLanguage(*language);
  }
  if (const auto port = store.ReadInteger(kComPortSetting)) {
    settings.comPortNumber = LowSigned16(*port);
  }
  if (const auto unitText = store.ReadString(kPressureUnitSetting)) {
    settings.pressureUnit = ParsePressureUnit(*unitText).value_or(PressureUnit::kBar);
  }
  settings.mainLeft = store.ReadInteger(kMainLeftSetting).value_or(settings.mainLeft);
  settings.mainTop = store.ReadInteger(kMainTopSetting).value_or(settings.mainTop);
  return settings;
}

bool SaveConsoleSettings(SettingsStore& store, const ConsoleSettings& settings) {
  bool allStored = store.WriteInteger(kLanguageSetting, settings.languageIndex);
  allStored &= store.WriteInteger(kComPortSetting, settings.comPortNumber);
  allStored &= store.WriteString(kPressureUnitSetting, PressureUnitText(settings.pressureUnit));
  allStored &= store.WriteInteger(kMainLeftSetting, settings.mainLeft);
  allStored &= store.WriteInteger(kMainTopSetting, settings.mainTop);
  return allStored;
}

}  // namespace tarnwick
