#include "console/widgets/exit_after_first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace tarnwick {
namespace {

class FirstPaintWatcher final : public QObject {
 public:
  explicit FirstPaintWatcher(QWidget* window) : QObject(window) {
    window->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      // Queued, so the paint that is about to run reaches the screen first.
      QTimer::singleShot(0, [] {
        std::fputs("painted\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return false;
  }
};

}  // namespace

void ExitAfterFirstPaintIfAsked(QWidget* window) {
  if (qEnvironmentVariableIsSet(kExitAfterFirstPaintVariable)) new FirstPaintWatcher(window);
}

}  // namespace tarnwick
