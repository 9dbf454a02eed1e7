#include "settings/qsettings_store.h"

#include <QVariant>
#include <limits>

namespace tarnwick {
namespace {

QString Key(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// An INI file keeps no types: every value comes back as text, so there an
// integer is a text that is exactly a decimal number in range.
bool KeepsTypes(const QSettings& settings) {
#ifdef Q_OS_WIN
  return settings.format() == QSettings::NativeFormat;
#else
  Q_UNUSED(settings);
  return false;
#endif
}

bool IsStringType(const QVariant& value) {
  return value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray;
}

}  // namespace

QSettingsStore::QSettingsStore()
    : settings_(QStringLiteral("Vostrand"), QStringLiteral("Tarnwick")) {}

QSettingsStore::QSettingsStore(const QString& path) : settings_(path, QSettings::IniFormat) {}

std::optional<std::int32_t> QSettingsStore::ReadInteger(std::string_view name) const {
  const QVariant value = settings_.value(Key(name));
  if (!value.isValid()) return std::nullopt;
  if (IsStringType(value)) {
    if (KeepsTypes(settings_)) return std::nullopt;
    bool isNumber = false;
    const qlonglong number = value.toString().toLongLong(&isNumber);
    if (!isNumber || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max()) {
      return std::nullopt;
    }
    return static_cast<std::int32_t>(number);
  }
  bool isNumber = false;
  const qlonglong number = value.toLongLong(&isNumber);
  if (!isNumber || value.typeId() == QMetaType::Bool || value.typeId() == QMetaType::Double) {
    return std::nullopt;
  }
  // A registry DWORD comes back unsigned; the stored bits are what counts.
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
}

std::optional<std::string> QSettingsStore::ReadString(std::string_view name) const {
  const QVariant value = settings_.value(Key(name));
  if (!value.isValid() || !IsStringType(value)) return std::nullopt;
  return value.toString().toStdString();
}

bool QSettingsStore::WriteInteger(std::string_view name, std::int32_t value) {
  settings_.setValue(Key(name), value);
  return Stored();
}

bool QSettingsStore::WriteString(std::string_view name, std::string_view value) {
  settings_.setValue(Key(name),
                     QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
  return Stored();
}

bool QSettingsStore::Stored() {
  settings_.sync();
  return settings_.status() == QSettings::NoError && settings_.isWritable();
}

}  // namespace tarnwick
