#include "app/console_windows.h"

#include "app/tform2.h"
#include "ports/tport_dlg.h"

namespace tarnwick {

std::unique_ptr<TMainForm> CreateConsoleWindows(const ConsoleServices& services,
                                                const QStringList& arguments) {
  auto mainForm = std::make_unique<TMainForm>(services, arguments);
  mainForm->SetPortDialog(new TPortDlg(mainForm.get()));
  mainForm->SetAboutBox(new TForm2(mainForm.get()));
  return mainForm;
}

}  // namespace tarnwick
