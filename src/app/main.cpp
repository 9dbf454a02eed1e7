#include <QApplication>
#include <QIcon>

#include "app/console_windows.h"
#include "app/fonts.h"
#include "app/qt_dialogs.h"
#include "bus/bus_link.h"
#include "bus/clock.h"
#include "bus/posix_serial_port.h"
#include "ports/port_table.h"
#include "settings/qsettings_store.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Tarnwick"));
  tarnwick::InstallFontFallbacks();

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
  mainForm->show();
  const int status = QApplication::exec();

  tarnwick::TheBusLink().Detach();
  return status;
}
