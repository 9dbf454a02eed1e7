#pragma once

#include <QStringList>
#include <memory>

#include "app/services.h"
#include "app/tmain_form.h"

namespace tarnwick {

// Creates the console's windows in their order: the main window (which runs
// the start-up), then the port dialog and the About box. All live as long as
// the main window.
std::unique_ptr<TMainForm> CreateConsoleWindows(const ConsoleServices& services,
                                                const QStringList& arguments);

}  // namespace tarnwick
