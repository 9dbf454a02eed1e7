// The console. Besides the factory word on the command line, two environment
// variables change what it does:
//   QT_LOGGING_RULES="tarnwick.bus.debug=true"  logs every bus frame in hex;
//   TARNWICK_EXIT_AFTER_FIRST_PAINT=1           prints "painted" and quits as
//                                               soon as the main window is on
//                                               screen (bench/startup times it).
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstring>

#include "bus/bus_link.h"
#include "bus/clock.h"
#include "console/shell/bus_log_category.h"
#include "console/shell/console_windows.h"
#include "console/shell/group_box_style.h"
#include "console/shell/qsettings_store.h"
#include "console/shell/qt_dialogs.h"
#include "console/widgets/exit_after_first_paint.h"
#include "console/widgets/fonts.h"
#include "ports/com_port_factory.h"
#include "ports/system_port_table.h"

namespace {

constexpr const char* kUsage =
    "usage: tarnwick [workshop]\n"
    "\n"
    "The configuration console: read a device on the chosen COM port, edit its two\n"
    "switch outputs, program it back and watch its readings.\n"
    "\n"
    "  workshop   factory mode, for production (the word anywhere on the command line,\n"
    "             in any case)\n"
    "  --help     this text\n"
    "\n"
    "Language, COM port, pressure unit and window position are kept in\n"
    "$XDG_CONFIG_HOME/Vostrand/Tarnwick.conf. QT_LOGGING_RULES=\"tarnwick.bus.debug=true\"\n"
    "logs every bus frame in hex.\n";

bool AsksForHelp(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Before the application exists, so that it needs no display.
  if (AsksForHelp(argc, argv)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  QApplication application(argc, argv);
  // The names QSettings builds the settings file's path from.
  QApplication::setOrganizationName(QStringLiteral("Vostrand"));
  QApplication::setApplicationName(QStringLiteral("Tarnwick"));
  QApplication::setApplicationDisplayName(QStringLiteral("Tarnwick"));
  QApplication::setStyle(new tarnwick::GroupBoxStyle);
  tarnwick::InstallApplicationFont();

  tarnwick::SteadyClock clock;
  const tarnwick::UserPlaces places = tarnwick::UserPlacesFor(tarnwick::ReadUserEnvironment());
  const std::unique_ptr<tarnwick::PortTable> portTable = tarnwick::MakeSystemPortTable(places);
  const std::unique_ptr<tarnwick::PortSource> portSource =
      tarnwick::MakeSystemPortSource(*portTable);
  tarnwick::ComPortFactory ports(*portTable);
  tarnwick::BusLink link(ports, clock);
  link.SetFrameLogger(tarnwick::BusLogCategoryLogger());
  tarnwick::QSettingsStore settings;
  tarnwick::QtDialogs dialogs;

  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  const auto mainForm = tarnwick::CreateConsoleWindows(
      {link, settings, dialogs, *portSource, places.journalDirectory}, arguments);
  dialogs.SetMainWindow(mainForm.get());
  QApplication::setWindowIcon(mainForm->windowIcon());
  tarnwick::ExitAfterFirstPaintIfAsked(mainForm.get());
  mainForm->show();
  return QApplication::exec();
}
