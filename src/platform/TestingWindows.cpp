#include "platform/Testing.h"

#include "platform/FrameworkState.h"
#include "platform/Window.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace platform::testing {

namespace {

void deletePendingWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

} // namespace

void processEvents(int ms)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (ms > 0) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }
    deletePendingWindows();
}

std::vector<platform::Window*> openWindows() { return framework::openWindows(); }

void closeAllWindows()
{
    const std::vector<Window*> windows = framework::openWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        const auto& open = framework::openWindows();
        if (std::find(open.begin(), open.end(), *it) != open.end())
            (*it)->Close();
    }
    deletePendingWindows();
}

bool quitCalled() { return framework::quitRequested(); }
int quitCode() { return framework::quitCode(); }
void resetQuit() { framework::clearQuit(); }
int reportedErrors() { return framework::errorCount(); }
String lastReportedError() { return framework::lastError(); }

} // namespace platform::testing
