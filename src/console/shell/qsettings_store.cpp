#include "console/shell/qsettings_store.h"

#include <QRegularExpression>
#include <QVariant>
#include <limits>

namespace tarnwick {
namespace {

QString Key(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// The registry keeps each value's type; an INI file keeps only text.
bool KeepsTypes(const QSettings& settings) {
#ifdef Q_OS_WIN
  return settings.format() == QSettings::NativeFormat;
#else
  Q_UNUSED(settings);
  return false;
#endif
}

bool IsText(const QVariant& value) {
  return value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray;
}

bool InInt32Range(qlonglong number) {
  return number >= std::numeric_limits<std::int32_t>::min() &&
         number <= std::numeric_limits<std::int32_t>::max();
}

// In an INI file an integer is text that is exactly a decimal number, as
// WriteInteger puts it there: "12" and "-2000" are integers; "abc", "3.0",
// "0x10", "1e3", an empty text and a number beyond 32 bits are not.
std::optional<std::int32_t> IntegerFromText(const QString& text) {
  static const QRegularExpression kDecimal(QStringLiteral("^[+-]?[0-9]+$"));
  if (!kDecimal.match(text).hasMatch()) return std::nullopt;
  bool isNumber = false;
  const qlonglong number = text.toLongLong(&isNumber);
  if (!isNumber || !InInt32Range(number)) return std::nullopt;
  return static_cast<std::int32_t>(number);
}

// A registry DWORD comes back as a number, possibly unsigned, and so does a
// value this process wrote into an INI file; the stored bits are what counts.
std::optional<std::int32_t> IntegerFromTypedValue(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
      return static_cast<std::int32_t>(static_cast<std::uint32_t>(value.toULongLong()));
    default:
      return std::nullopt;
  }
}

}  // namespace

QSettingsStore::QSettingsStore()
    : settings_(QStringLiteral("Vostrand"), QStringLiteral("Tarnwick")) {}

QSettingsStore::QSettingsStore(const QString& path) : settings_(path, QSettings::IniFormat) {}

std::optional<std::int32_t> QSettingsStore::ReadInteger(std::string_view name) const {
  const QVariant value = settings_.value(Key(name));
  if (!value.isValid()) return std::nullopt;
  if (!IsText(value)) return IntegerFromTypedValue(value);
  return KeepsTypes(settings_) ? std::nullopt : IntegerFromText(value.toString());
}

std::optional<std::string> QSettingsStore::ReadString(std::string_view name) const {
  const QVariant value = settings_.value(Key(name));
  if (!value.isValid() || !IsText(value)) return std::nullopt;
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

// A store that cannot be written (a read-only file, a folder that cannot be
// made) keeps the values in memory only; the caller learns of it here.
bool QSettingsStore::Stored() {
  settings_.sync();
  return settings_.status() == QSettings::NoError && settings_.isWritable();
}

}  // namespace tarnwick
