#pragma once

#include <QObject>
#include <functional>

namespace tarnwick {

// Runs an action after a key or mouse button released over a watched widget
// has been handled by that widget, so a radio button has already moved its
// selection when the action reads it. The watcher belongs to `parent`.
class ReleaseWatcher final : public QObject {
 public:
  ReleaseWatcher(QObject* parent, std::function<void()> action);

  void Watch(QObject* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> action_;
};

}  // namespace tarnwick
