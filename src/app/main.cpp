// The console. Besides the factory word on the command line, two environment
// variables change what it does:
//   QT_LOGGING_RULES="tarnwick.bus.debug=true"  logs every bus frame in hex;
//   TARNWICK_EXIT_AFTER_FIRST_PAINT=1           prints "painted" and quits as
//                                               soon as the main window is on
//                                               screen (bench/startup times it).
#include <QApplication>
#include <QIcon>

#include "app/bus_log_category.h"
#include "app/console_windows.h"
#include "app/exit_after_first_paint.h"
#include "app/fonts.h"
#include "app/group_box_style.h"
#include "app/qt_dialogs.h"
#include "bus/bus_link.h"
#include "bus/clock.h"
#include "bus/posix_serial_port.h"
#include "ports/port_table.h"
#include "settings/qsettings_store.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Tarnwick"));
  QApplication::setStyle(new tarnwick::GroupBoxStyle);
  tarnwick::InstallFontFallbacks();
  tarnwick::InstallBusLogCategory();

  tarnwick::SteadyClock clock;
  tarnwick::LinuxPortTable portTable;
  tarnwick::PosixSerialPortFactory ports(portTable);
  tarnwick::QSettingsStore settings;
  tarnwick::QtDialogs dialogs;
  tarnwick::TheBusLink().Attach(&ports, &clock);

  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  const auto mainForm =
      tarnwick::CreateConsoleWindows({clock, ports, settings, dialogs}, arguments);
  QApplication::setWindowIcon(mainForm->windowIcon());
  tarnwick::ExitAfterFirstPaintIfAsked(mainForm.get());
  mainForm->show();
  const int status = QApplication::exec();

  tarnwick::TheBusLink().Detach();
  return status;
}
