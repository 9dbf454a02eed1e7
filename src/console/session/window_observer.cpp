#include "console/session/window_observer.h"

#include <QProgressBar>
#include <algorithm>

#include "console/widgets/dialogs.h"

namespace tarnwick {

WindowObserver::WindowObserver(QProgressBar& bar, Dialogs& dialogs,
                               std::function<QString()> questionText)
    : bar_(bar), dialogs_(dialogs), questionText_(std::move(questionText)) {}

void WindowObserver::SetProgress(int position) {
  bar_.setValue(position);
  // The engines block the event loop; paint now so the bar moves while they run.
  bar_.repaint();
}

void WindowObserver::AdvanceProgress(int step) {
  SetProgress(std::min(bar_.value() + step, bar_.maximum()));
}

bool WindowObserver::AskReadAgain() { return dialogs_.AskOkCancel(questionText_()); }

}  // namespace tarnwick
