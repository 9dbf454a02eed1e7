#pragma once

#include <QStringList>
#include <memory>

#include "console/shell/services.h"
#include "console/shell/tmain_form.h"

namespace tarnwick {

// Creates the console's windows in their order: the main window (which runs
// the start-up), then the port dialog and the About box. All live as long as
// the main window.
std::unique_ptr<TMainForm> CreateConsoleWindows(const ConsoleServices& services,
                                                const QStringList& arguments);

}  // namespace tarnwick
