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
#include "app/group_box_style.h"
#include "app/qt_dialogs.h"
#include "bus/bus_link.h"
#include "bus/clock.h"
#include "ports/com_port_factory.h"
#include "ports/system_port_table.h"
#include "settings/qsettings_store.h"
#include "ui/fonts.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Tarnwick"));
  QApplication::setStyle(new tarnwick::GroupBoxStyle);
  tarnwick::InstallFontFallbacks();
  tarnwick::InstallBusLogCategory();

  tarnwick::SteadyClock clock;
  const std::unique_ptr<tarnwick::PortTable> portTable = tarnwick::MakeSystemPortTable();
  tarnwick::ComPortFactory ports(*portTable);
  tarnwick::BusLink link(ports, clock);
  tarnwick::QSettingsStore settings;
  tarnwick::QtDialogs dialogs;

  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  const auto mainForm = tarnwick::CreateConsoleWindows({link, settings, dialogs}, arguments);
  QApplication::setWindowIcon(mainForm->windowIcon());
  tarnwick::ExitAfterFirstPaintIfAsked(mainForm.get());
  mainForm->show();
  return QApplication::exec();
}
