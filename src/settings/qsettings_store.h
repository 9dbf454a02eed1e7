#pragma once

#include <QSettings>
#include <QString>

#include "settings/settings_store.h"

namespace tarnwick {

// The settings in QSettings: the registry key HKCU\Software\Vostrand\Tarnwick
// on Windows, $XDG_CONFIG_HOME/Vostrand/Tarnwick.conf on Linux.
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
