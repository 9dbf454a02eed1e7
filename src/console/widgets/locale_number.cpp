#include "console/widgets/locale_number.h"

#include <QLocale>

namespace tarnwick {

char DecimalSeparator() {
  const QString separator = QLocale().decimalPoint();
  if (separator.size() != 1 || separator.at(0).unicode() > 0x7F) return '.';
  return separator.at(0).toLatin1();
}

}  // namespace tarnwick
