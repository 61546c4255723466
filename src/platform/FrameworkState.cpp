#include "platform/FrameworkState.h"

#include "platform/Window.h"

#include <QEventLoop>

#include <algorithm>

namespace platform::framework {

namespace {

struct State {
    std::vector<Window*> live;
    std::vector<Window*> open;
    std::vector<QEventLoop*> loops;
    bool quitRequested = false;
    int quitCode = 0;
    int errorCount = 0;
    String lastError;
};

State& state()
{
    static State s;
    return s;
}

void erase(std::vector<Window*>& windows, Window* window)
{
    windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
}

void endLoops(int code)
{
    for (QEventLoop* loop : state().loops)
        loop->exit(code);
}

} // namespace

void windowCreated(Window* window) { state().live.push_back(window); }
void windowDestroyed(Window* window)
{
    erase(state().live, window);
    erase(state().open, window);
}
std::vector<Window*> liveWindows() { return state().live; }

void windowOpened(Window* window)
{
    auto& open = state().open;
    if (std::find(open.begin(), open.end(), window) == open.end())
        open.push_back(window);
}

void windowClosed(Window* window)
{
    auto& open = state().open;
    const bool wasOpen = std::find(open.begin(), open.end(), window) != open.end();
    erase(open, window);
    if (wasOpen && open.empty() && !state().quitRequested)
        endLoops(1);
}

void windowForgotten(Window* window) { erase(state().open, window); }
const std::vector<Window*>& openWindows() { return state().open; }

void loopStarted(QEventLoop* loop) { state().loops.push_back(loop); }
void loopEnded(QEventLoop* loop)
{
    auto& loops = state().loops;
    loops.erase(std::remove(loops.begin(), loops.end(), loop), loops.end());
}
bool mainLoopRunning() { return !state().loops.empty(); }

void requestQuit(int code)
{
    state().quitRequested = true;
    state().quitCode = code;
    endLoops(code);
}
bool quitRequested() { return state().quitRequested; }
int quitCode() { return state().quitCode; }
void clearQuit()
{
    state().quitRequested = false;
    state().quitCode = 0;
}
int exitStatus() { return state().quitRequested ? state().quitCode : 1; }

void recordError(const String& report)
{
    ++state().errorCount;
    state().lastError = report;
}
int errorCount() { return state().errorCount; }
String lastError() { return state().lastError; }

void quitAction()
{
    std::vector<Window*> windows = state().open;
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        // A Close handler may itself close other windows; skip those already gone.
        const auto& open = state().open;
        if (std::find(open.begin(), open.end(), *it) != open.end())
            (*it)->Close();
    }
}

} // namespace platform::framework
