#include "console/panel/release_watcher.h"

#include <QEvent>
#include <QMetaObject>

namespace tarnwick {

ReleaseWatcher::ReleaseWatcher(QObject* parent, std::function<void()> action)
    : QObject(parent), action_(std::move(action)) {}

void ReleaseWatcher::Watch(QObject* widget) { widget->installEventFilter(this); }

bool ReleaseWatcher::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease || event->type() == QEvent::MouseButtonRelease) {
    // Queued: the widget handles the release first (a radio button is checked
    // on the release of the mouse button or the space bar).
    QMetaObject::invokeMethod(this, action_, Qt::QueuedConnection);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tarnwick
