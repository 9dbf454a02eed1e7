#include "console/widgets/fonts.h"

#include <QApplication>
#include <QFont>
#include <QWidget>
#include <cmath>

namespace tarnwick {

void InstallApplicationFont() {
  for (const char* windowsFace : {"Arial", "Tahoma", "MS Sans Serif"}) {
    QFont::insertSubstitution(QString::fromLatin1(windowsFace), QStringLiteral("Liberation Sans"));
  }
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(11);
  QApplication::setFont(font);
}

void PinFontsToPixels(QWidget* window) {
  QList<QWidget*> widgets{window};
  // Parents come before their children, so a child that only inherits its
  // font already has pixels when its turn comes and is left alone.
  widgets += window->findChildren<QWidget*>();
  for (QWidget* widget : widgets) {
    QFont font = widget->font();
    if (font.pointSizeF() <= 0) continue;
    font.setPixelSize(static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0)));
    widget->setFont(font);
  }
}

}  // namespace tarnwick
