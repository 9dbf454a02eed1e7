#include "console/widgets/busy_cursor.h"

#include <QApplication>

namespace tarnwick {

void BusyCursor::Show() {
  if (shown_) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  shown_ = true;
}

void BusyCursor::Restore() {
  if (!shown_) return;
  QApplication::restoreOverrideCursor();
  shown_ = false;
}

}  // namespace tarnwick
