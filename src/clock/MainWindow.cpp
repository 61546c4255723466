#include "clock/MainWindow.h"

#include "app/MenuBar1.h"
#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "preferences_window/PrefWindow.h"

using namespace platform;

namespace {

const WindowProperties kMainWindowDesign{
    .Placement = 0,
    .Width = 320,
    .Height = 480,
    .MinWidth = 64,
    .MinHeight = 64,
    .MaxWidth = 32000,
    .MaxHeight = 32000,
    .Frame = 0,
    .Composite = false,
    .HasBackColor = false,
    .BackColor = {0x00, 0x13, 0xFF},
    .Title = "00:00:00",
    .Visible = true,
    .FullScreen = false,
    .MenuBarVisible = true,
    .CloseButton = true,
    .Resizeable = false,
    .LiveResize = false,
    .MaximizeButton = false,
    .MinimizeButton = false,
    .MacProcID = 0,
};

const TimerProperties kMainTimerDesign{.Mode = 2, .Period = 500};

template <typename Item>
std::shared_ptr<Item> menuItemNamed(const std::shared_ptr<platform::MenuBar>& bar, const char* name)
{
    MenuItemPtr item = notNil(bar, "MenuBar")._Lookup(name);
    auto cast = std::dynamic_pointer_cast<Item>(item);
    if (item && !cast)
        throw IllegalCastException(String("menu item ") + name + " is of another class");
    return cast;
}

} // namespace

MainWindow::MainWindow() : Window("mainWindow.mainWindow") {}

MainWindow* mainWindow()
{
    return implicitWindow<MainWindow>("mainWindow.mainWindow");
}

void MainWindow::Layout()
{
    setMenuBar(MenuBar1());
    _SetProperties(kMainWindowDesign);
}

void MainWindow::CreateControls()
{
    _CreateControls0();
}

void MainWindow::_CreateControls0()
{
    auto* timer = newControl<MainTimer>();
    timer->Constructor();
    addControl("mainTimer", timer);
    controlAs<Timer>(controlByName("mainTimer"), "mainTimer")->_SetProperties(kMainTimerDesign);
    controlAs<Timer>(controlByName("mainTimer"), "mainTimer")->setAction([this](Timer& sender) {
        mainTimer_Action(sender);
    });
}

Timer* MainWindow::mainTimer()
{
    return controlAs<Timer>(controlByName("mainTimer"), "mainTimer");
}

void MainWindow::AddMenuHandlers(Window& window)
{
    auto& main = dynamic_cast<MainWindow&>(window);
    main.addMenuHandler("prefMenu", [&main] { return main._prefMenu_Action(); });
}

void MainWindow::Event_Open()
{
    loadCatalogues(catalogues);
    readPreferencesFile(notNil(mainWindow(), "mainWindow").settings);
}

void MainWindow::Event_Close()
{
    writePreferencesFile(notNil(mainWindow(), "mainWindow").settings);
    Quit(0);
}

bool MainWindow::Event_MouseDown(int x, int y)
{
    (void)x;
    (void)y;
    lastTime = "";
    return false;
}

bool MainWindow::_prefMenu_Action()
{
    notNil(prefWindow(), "prefWindow").ShowModal();
    return true;
}

MenuItemPtr MainWindow::EditMenu() { return menuItemNamed<MenuItem>(MenuBar(), "EditMenu"); }
MenuItemPtr MainWindow::EditSelectAll() { return menuItemNamed<MenuItem>(MenuBar(), "EditSelectAll"); }
MenuItemPtr MainWindow::UntitledMenu0() { return menuItemNamed<MenuItem>(MenuBar(), "UntitledMenu0"); }
MenuItemPtr MainWindow::EditClear() { return menuItemNamed<MenuItem>(MenuBar(), "EditClear"); }
MenuItemPtr MainWindow::EditPaste() { return menuItemNamed<MenuItem>(MenuBar(), "EditPaste"); }
MenuItemPtr MainWindow::EditCopy() { return menuItemNamed<MenuItem>(MenuBar(), "EditCopy"); }
MenuItemPtr MainWindow::EditCut() { return menuItemNamed<MenuItem>(MenuBar(), "EditCut"); }
MenuItemPtr MainWindow::UntitledMenu1() { return menuItemNamed<MenuItem>(MenuBar(), "UntitledMenu1"); }
MenuItemPtr MainWindow::EditUndo() { return menuItemNamed<MenuItem>(MenuBar(), "EditUndo"); }
MenuItemPtr MainWindow::FileMenu() { return menuItemNamed<MenuItem>(MenuBar(), "FileMenu"); }
std::shared_ptr<QuitMenuItem> MainWindow::FileQuit() { return menuItemNamed<QuitMenuItem>(MenuBar(), "FileQuit"); }
std::shared_ptr<PrefsMenuItem> MainWindow::prefMenu() { return menuItemNamed<PrefsMenuItem>(MenuBar(), "prefMenu"); }
