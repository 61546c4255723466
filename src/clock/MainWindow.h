#pragma once

#include "platform/Array.h"
#include "platform/Controls.h"
#include "platform/Menu.h"
#include "platform/Strings.h"
#include "platform/Window.h"

#include <cstdint>
#include <memory>

using platform::Array;
using platform::String;

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
    String lastTime = "00:00:00";

    // The four catalogues, one line per element, replaced whole when the window opens.
    Array<String> seiyuName = Array<String>(12);
    Array<String> timeArray = Array<String>(1440);
    Array<String> serifArray = Array<String>(96);
    Array<String> alarmArray = Array<String>(24);

    // The user's settings, in the order of the preferences file.
    String alarmHour = "00";
    String alarmMin = "00";
    bool alarmCheck = false;
    std::int32_t alarmVoice = 0;
    Array<bool> nameCheck = Array<bool>(12, false); // element n-1: speaker n is on
    std::int32_t voiceMode = 0;
    // Whether the settings came from the preferences file (or its defaults) when the window
    // opened; until then they are placeholders, which must never replace the file.
    bool settingsRead = false;

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
