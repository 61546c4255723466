#pragma once

#include "clock/MainWindow.h"
#include "platform/Exceptions.h"

// The open main window, which owns the settings and catalogues the dialog shows and edits.
// It is open whenever the dialog is, since only its menu opens the dialog.
inline MainWindow& theMainWindow()
{
    return platform::notNil(mainWindow(), "mainWindow");
}
