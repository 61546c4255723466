#include "platform/Application.h"

#include "platform/Exceptions.h"
#include "platform/FrameworkState.h"
#include "platform/Menu.h"
#include "platform/QuitSignals.h"
#include "platform/Window.h"

#include <QApplication>
#include <QEventLoop>

namespace platform {

namespace {

// The program reads no command line: the toolkit always sees this one.
int applicationArgc = 1;
char applicationName[] = "vemraViewer";
char* applicationArgv[] = {applicationName, nullptr};

QApplication* ownApplication = nullptr;
std::unique_ptr<Application> appObject;

void deleteWindowsWithoutEvents()
{
    for (Window* window : framework::liveWindows())
        delete window;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

Application::Application() = default;
Application::~Application() = default;

std::shared_ptr<platform::MenuBar> Application::MenuBar() const { return menuBar_; }
void Application::setMenuBar(std::shared_ptr<platform::MenuBar> menuBar) { menuBar_ = std::move(menuBar); }

void RuntimeInit()
{
    if (QCoreApplication::instance() == nullptr)
        ownApplication = new QApplication(applicationArgc, applicationArgv);
    QCoreApplication::setApplicationName(QStringLiteral("vemraViewer"));
    // The framework decides itself when the last window's closing ends the application.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    framework::installQuitSignals();
}

void _RunFrameworkInitialization(void (*startup)())
{
    handleErrors("start-up", [startup] {
        if (startup == nullptr)
            throw NilObjectException("the start-up routine is nil");
        startup();
    });
}

int _RuntimeRun()
{
    if (framework::quitRequested() || framework::openWindows().empty())
        return framework::exitStatus();
    QEventLoop loop;
    framework::loopStarted(&loop);
    loop.exec();
    framework::loopEnded(&loop);
    return framework::exitStatus();
}

void releaseFrameworkState() { deleteWindowsWithoutEvents(); }

int RuntimeExit()
{
    deleteWindowsWithoutEvents();
    appObject.reset();
    const int status = framework::exitStatus();
    delete ownApplication;
    ownApplication = nullptr;
    return status;
}

void _RuntimeRegisterAppObject(std::unique_ptr<Application> app) { appObject = std::move(app); }
Application* _GetAppObject() { return appObject.get(); }

void Quit(int code) { framework::requestQuit(code); }

} // namespace platform
