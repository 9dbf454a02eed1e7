#include "console/widgets/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <utility>

#include "texts/message_table.h"

namespace tarnwick {
namespace {

QString TranslationName(int languageIndex) {
  switch (languageIndex) {
    case kLanguageGerman:
      return QStringLiteral("qtbase_de");
    case kLanguageFrench:
      return QStringLiteral("qtbase_fr");
    default:
      return {};
  }
}

}  // namespace

void QtTranslations::Use(int languageIndex) {
  const QString name = TranslationName(languageIndex);
  if (name == installed_) return;
  // A translator removes itself from the application when it goes.
  translator_.reset();
  installed_.clear();
  if (name.isEmpty()) return;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return;
  QCoreApplication::installTranslator(translator.get());
  translator_ = std::move(translator);
  installed_ = name;
}

}  // namespace tarnwick
