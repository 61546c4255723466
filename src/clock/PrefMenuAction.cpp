#include "clock/MainWindow.h"

#include "platform/Exceptions.h"
#include "preferences_window/PrefWindow.h"

bool MainWindow::_prefMenu_Action()
{
    PrefWindow* preferences = prefWindow();
    platform::notNil(preferences, "prefWindow").ShowModal();
    return true;
}
