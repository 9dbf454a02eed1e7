#include "console/shell/console_windows.h"

#include "console/ports/port_dialog.h"
#include "console/shell/about_box.h"

namespace tarnwick {

std::unique_ptr<TMainForm> CreateConsoleWindows(const ConsoleServices& services,
                                                const QStringList& arguments) {
  auto mainForm = std::make_unique<TMainForm>(services, arguments);
  mainForm->SetPortDialog(new TPortDlg(mainForm.get()));
  mainForm->SetAboutBox(new TForm2(mainForm.get()));
  return mainForm;
}

}  // namespace tarnwick
