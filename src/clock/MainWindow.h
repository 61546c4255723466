#pragma once

#include "catalogue/Catalogues.h"
#include "platform/Array.h"
#include "platform/Controls.h"
#include "platform/FolderItem.h"
#include "platform/Menu.h"
#include "platform/Strings.h"
#include "platform/Window.h"
#include "settings/UserSettings.h"

#include <memory>

// The main window's 500 ms timer. It adds nothing to the framework's timer but its place in
// the window.
class MainTimer : public platform::Timer {
public:
    void Constructor() { platform::Timer::Constructor(); }
};

// The clock: one window that owns every piece of the program's state. Its title shows the
// time, its backdrop the minute's photo; its timer speaks each new minute.
class MainWindow : public platform::Window {
public:
    MainWindow();

    // The minute last acted on, "HH:MM"; "00:00:00" before the first tick, "" after a click.
    platform::String lastTime = "00:00:00";
    // Loaded when the window opens.
    Catalogues catalogues;
    // Read when the window opens; the settings dialog hands back a new copy on OK.
    UserSettings settings;

    platform::Timer* mainTimer();
    void mainTimer_Action(platform::Timer& timer);

    // The menu items under this window's bar, by name.
    platform::MenuItemPtr EditMenu();
    platform::MenuItemPtr EditSelectAll();
    platform::MenuItemPtr UntitledMenu0();
    platform::MenuItemPtr EditClear();
    platform::MenuItemPtr EditPaste();
    platform::MenuItemPtr EditCopy();
    platform::MenuItemPtr EditCut();
    platform::MenuItemPtr UntitledMenu1();
    platform::MenuItemPtr EditUndo();
    platform::MenuItemPtr FileMenu();
    std::shared_ptr<platform::QuitMenuItem> FileQuit();
    std::shared_ptr<platform::PrefsMenuItem> prefMenu();

    bool _prefMenu_Action();

protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(platform::Window& window) override;
    void Event_Close() override;
    void Event_Open() override;
    bool Event_MouseDown(int x, int y) override;

private:
    void _CreateControls0();
};

// The open main window, or a new one, constructed and shown.
MainWindow* mainWindow();

// The tick's catalogue scan: plays the clip once for every catalogue line of the minute whose
// speaker is switched on. The last element is not examined: a catalogue ends with a line
// break, and what follows the last break is empty. A speaker number that is not a whole number
// from 1 to 13 is passed over.
void playForEachMatchingEntry(const platform::Array<platform::String>& catalogue,
                              const platform::String& minuteKey,
                              const platform::Array<bool>& nameCheck,
                              const platform::FolderItemPtr& clip);
