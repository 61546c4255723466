#include "app/Startup.h"

#include "app/App.h"
#include "app/MenuBar1.h"
#include "catalogue/CatalogueTexts.h"
#include "clock/MainWindow.h"

#include <memory>

void _Main()
{
    platform::_RunFrameworkInitialization(_Startup);
    platform::_RuntimeRun();
}

void _Startup()
{
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
    _MakeDefaultView();
}

void _InitFileTypes()
{
    // The clock opens no documents.
}

void _NewAppInstance()
{
    auto app = std::make_unique<AppObject>();
    app->Constructor();
    app->setMenuBar(MenuBar1());
    platform::_RuntimeRegisterAppObject(std::move(app));
}

void _ApplicationAddMenuHandlers()
{
    // The only menu handler belongs to the main window.
}

void _MakeDefaultView()
{
    mainWindow();
}

void releaseModuleState()
{
    releaseCatalogueTexts();
    platform::releaseFrameworkState();
    releaseMenuBar1();
}
