#pragma once

// The framework's own module-level state: its windows, its running event loops, the quit
// request and the count of reported errors. Internal to the platform layer.

#include "platform/Strings.h"

#include <vector>

class QEventLoop;

namespace platform {
class Window;
}

namespace platform::framework {

// Every window object that exists, closed or not (so that the final clean-up can delete them).
void windowCreated(Window* window);
void windowDestroyed(Window* window);
std::vector<Window*> liveWindows();

// Open windows, oldest first: from Constructor() until they have closed.
void windowOpened(Window* window);
// Unregisters a closed window; when it was the last open window and nobody has called Quit,
// the running event loops end and the exit status becomes 1.
void windowClosed(Window* window);
// Unregisters a window that is being deleted without closing.
void windowForgotten(Window* window);
const std::vector<Window*>& openWindows();

// The event loops now running, innermost last. Quit and the last window's closing end them all.
void loopStarted(QEventLoop* loop);
void loopEnded(QEventLoop* loop);
bool mainLoopRunning();

void requestQuit(int code);
bool quitRequested();
int quitCode();
void clearQuit();
// The exit status the event loop ends with: the Quit code, or 1 without Quit.
int exitStatus();

void recordError(const String& report);
int errorCount();
String lastError();

// The quit item's action: every open window closes through its Close event, newest first.
void quitAction();

} // namespace platform::framework
