#include <QGuiApplication>
#include <QScreen>

#include "console/shell/tmain_form.h"
#include "settings/settings_model.h"
#include "settings/window_placement.h"
#include "ui_TMainForm.h"

namespace tarnwick {
namespace {

ScreenRect ToScreenRect(const QRect& rect) {
  return {rect.left(), rect.top(), rect.width(), rect.height()};
}

std::vector<ScreenArea> PresentScreens() {
  std::vector<ScreenArea> screens;
  for (const QScreen* screen : QGuiApplication::screens()) {
    screens.push_back(
        {ToScreenRect(screen->geometry()), ToScreenRect(screen->availableGeometry())});
  }
  return screens;
}

}  // namespace

void TMainForm::LoadSettings() {
  const ConsoleSettings settings = LoadConsoleSettings(services_.settings);
  texts_.SetLanguageIndex(settings.languageIndex);
  language_.MarkLanguage();
  state_.comPortNumber = settings.comPortNumber;
  state_.pressureUnit = settings.pressureUnit;
  units_.MarkPressureUnit(settings.pressureUnit);
  PlaceWindow(settings.mainLeft, settings.mainTop);
}

void TMainForm::SaveSettings() {
  const ConsoleSettings settings{texts_.LanguageIndex(),
                                 static_cast<std::int16_t>(state_.comPortNumber),
                                 state_.pressureUnit, x(), y()};
  if (!SaveConsoleSettings(services_.settings, settings)) {
    qWarning("the settings could not be written; the next start uses the previous ones");
  }
}

void TMainForm::PlaceWindow(int left, int top) {
  const QSize size = sizeHint();
  const ScreenPoint reachable =
      ReachablePosition({left, top, size.width(), size.height()}, PresentScreens());
  move(reachable.left, reachable.top);
}

}  // namespace tarnwick
