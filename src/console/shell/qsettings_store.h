#pragma once

#include <QSettings>
#include <QString>

#include "settings/settings_store.h"

namespace tarnwick {

// The settings in QSettings: the registry key HKCU\Software\Vostrand\Tarnwick
// on Windows, $XDG_CONFIG_HOME/Vostrand/Tarnwick.conf on Linux.
//
// A value of another type than asked for reads as absent. The registry keeps
// types, so there a string is never an integer and a DWORD never a string. An
// INI file keeps only text, so there an integer is a text that is exactly a
// decimal number within 32 bits ("Language=abc" or "Language=2.0" is absent),
// and every text reads as a string: "PressureUnit=5" reads as the text "5".
// A list ("a, b") or a typed value ("@Point(1 2)") is neither.
class QSettingsStore final : public SettingsStore {
 public:
  QSettingsStore();
  // An INI file at `path`, for tests.
  explicit QSettingsStore(const QString& path);

  std::optional<std::int32_t> ReadInteger(std::string_view name) const override;
  std::optional<std::string> ReadString(std::string_view name) const override;
  bool WriteInteger(std::string_view name, std::int32_t value) override;
  bool WriteString(std::string_view name, std::string_view value) override;

 private:
  bool Stored();

  mutable QSettings settings_;
};

}  // namespace tarnwick
