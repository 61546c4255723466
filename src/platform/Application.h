#pragma once

#include "platform/FolderItem.h"

#include <functional>
#include <memory>

namespace platform {

class MenuBar;

// The application object. Exactly one is registered per run.
class Application {
public:
    Application();
    virtual ~Application();

    // The running executable's file.
    FolderItemPtr ExecutableFile() const;

    std::shared_ptr<platform::MenuBar> MenuBar() const;
    void setMenuBar(std::shared_ptr<platform::MenuBar> menuBar);

private:
    std::shared_ptr<platform::MenuBar> menuBar_;
};

// Start-up and end of the framework, in the order the program entry calls them.
void RuntimeInit();                                   // first call of the program; from here on
                                                      // SIGTERM, SIGINT and SIGHUP end it as its
                                                      // quit item does
void _RunFrameworkInitialization(void (*startup)());  // calls startup once, under handleErrors
int _RuntimeRun();                                    // the event loop; returns at quit
void releaseFrameworkState();                        // the framework's lists of windows
int RuntimeExit();                                    // final shutdown; the exit status

void _RuntimeRegisterAppObject(std::unique_ptr<Application> app);
Application* _GetAppObject();

// Ends the application: the event loop returns and the exit status is `code`.
// When the loop ends without Quit (the last window closed after its Close handler failed),
// the exit status is 1.
void Quit(int code = 0);

// The one place of unhandled-exception handling. Every handler the framework calls (window
// events, timer actions, button actions, menu handlers, start-up) runs through it: an
// exception that escapes is reported on standard error with its class and message, and the
// event loop goes on. Returns false when the action raised.
bool handleErrors(const char* handlerName, const std::function<void()>& action);
// The same, for a handler whose name is only worth making when something is reported.
bool handleErrors(const std::function<String()>& handlerName, const std::function<void()>& action);

} // namespace platform
