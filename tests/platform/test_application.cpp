#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/Menu.h"
#include "platform/Testing.h"
#include "support/ScriptedWindow.h"

#include <QApplication>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

using namespace vemra::test;

namespace {

class ApplicationTest : public ScriptedWindowTest {};

// --- the one place of unhandled-exception handling ---------------------------------------------

TEST_F(ApplicationTest, HandleErrorsReportsEachKindOfExceptionAndGoesOn)
{
    const int before = platform::testing::reportedErrors();
    EXPECT_TRUE(platform::handleErrors("quiet", [] {}));
    EXPECT_EQ(platform::testing::reportedErrors(), before);

    EXPECT_FALSE(platform::handleErrors("tick", [] { throw platform::OutOfBoundsException("index 1441"); }));
    EXPECT_EQ(platform::testing::lastReportedError(), "vemraViewer: unhandled OutOfBoundsException in tick: index 1441");
    EXPECT_FALSE(platform::handleErrors("open", [] { throw platform::RuntimeException("plain"); }));
    EXPECT_EQ(platform::testing::lastReportedError(), "vemraViewer: unhandled RuntimeException in open: plain");
    EXPECT_FALSE(platform::handleErrors("save", [] { throw std::runtime_error("disk"); }));
    EXPECT_EQ(platform::testing::lastReportedError(), "vemraViewer: unhandled exception in save: disk");
    EXPECT_FALSE(platform::handleErrors("odd", [] { throw 42; }));
    EXPECT_NE(platform::testing::lastReportedError().find("in odd"), std::string::npos);
    EXPECT_FALSE(platform::handleErrors(nullptr, std::function<void()>()));
    EXPECT_EQ(platform::testing::reportedErrors(), before + 5);
}

// --- start-up ----------------------------------------------------------------------------------

TEST_F(ApplicationTest, ToolkitSeesOnlyTheApplicationsOwnName)
{
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("vemraViewer"));
    EXPECT_EQ(QCoreApplication::arguments(), QStringList{QStringLiteral("vemraViewer")});
    EXPECT_FALSE(QGuiApplication::quitOnLastWindowClosed());
}

int startupCalls = 0;
void countingStartup() { ++startupCalls; }
void failingStartup() { throw platform::NilObjectException("MenuBar1"); }

TEST_F(ApplicationTest, FrameworkInitializationCallsStartUpOnceAndReportsItsFailure)
{
    startupCalls = 0;
    platform::_RunFrameworkInitialization(countingStartup);
    EXPECT_EQ(startupCalls, 1);

    const int before = platform::testing::reportedErrors();
    platform::_RunFrameworkInitialization(failingStartup);
    platform::_RunFrameworkInitialization(nullptr);
    EXPECT_EQ(platform::testing::reportedErrors(), before + 2);
}

TEST_F(ApplicationTest, RegisteredApplicationObjectIsTheOneReturned)
{
    auto app = std::make_unique<platform::Application>();
    auto bar = std::make_shared<platform::MenuBar>();
    app->setMenuBar(bar);
    platform::Application* raw = app.get();
    platform::_RuntimeRegisterAppObject(std::move(app));
    EXPECT_EQ(platform::_GetAppObject(), raw);
    EXPECT_EQ(platform::_GetAppObject()->MenuBar(), bar);
}

// --- the event loop and the exit status --------------------------------------------------------

TEST_F(ApplicationTest, QuitWithoutARunningLoopIsRecorded)
{
    EXPECT_FALSE(platform::testing::quitCalled());
    platform::Quit(4);
    EXPECT_TRUE(platform::testing::quitCalled());
    EXPECT_EQ(platform::testing::quitCode(), 4);
    platform::testing::resetQuit();
    EXPECT_FALSE(platform::testing::quitCalled());
}

TEST_F(ApplicationTest, LoopRunsUntilQuitAndReturnsItsCode)
{
    int ticks = 0;
    openScripted([&](ScriptedWindow& w) {
        w.onCreateControls = [&](ScriptedWindow& self) {
            auto* timer = self.newControl<platform::Timer>();
            timer->Constructor();
            self.addControl("mainTimer", timer);
            timer->_SetProperties({2, 1});
            timer->setAction([&](platform::Timer&) {
                if (++ticks == 3)
                    platform::Quit(3);
            });
        };
    });
    EXPECT_EQ(platform::_RuntimeRun(), 3);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(platform::testing::openWindows().size(), 1u);
}

TEST_F(ApplicationTest, ClosingTheMainWindowThatQuitsEndsTheLoopWithZero)
{
    ScriptedWindow* main = openScripted([](ScriptedWindow& w) { w.onClose = [](ScriptedWindow&) { platform::Quit(0); }; });
    QTimer::singleShot(1, [main] { main->frame()->close(); });
    EXPECT_EQ(platform::_RuntimeRun(), 0);
    EXPECT_TRUE(platform::testing::openWindows().empty());
}

TEST_F(ApplicationTest, LastWindowClosingWithoutQuitEndsTheLoopWithOne)
{
    // A Close handler that fails before it can call Quit, as when the settings cannot be saved.
    const auto save = [] { throw platform::IOException("cannot create the preferences file"); };
    ScriptedWindow* main = openScripted([&](ScriptedWindow& w) {
        w.onClose = [save](ScriptedWindow&) {
            save();
            platform::Quit(0);
        };
    });
    ScriptedWindow* other = openScripted();
    QTimer::singleShot(1, [other] { other->Close(); }); // not the last: the loop goes on
    QTimer::singleShot(5, [main] { main->Close(); });
    EXPECT_EQ(platform::_RuntimeRun(), 1);
    EXPECT_FALSE(platform::testing::quitCalled());
}

TEST_F(ApplicationTest, LoopReturnsAtOnceWhenThereIsNothingToRun)
{
    EXPECT_EQ(platform::_RuntimeRun(), 1); // no window: nothing could ever end it
    openScripted();
    platform::Quit(7);
    EXPECT_EQ(platform::_RuntimeRun(), 7);
}

TEST_F(ApplicationTest, QuitFromAModalDialogEndsTheDialogAndTheLoop)
{
    bool modalReturned = false;
    ScriptedWindow* main = openScripted();
    QTimer::singleShot(1, [&] {
        ScriptedWindow* dialog = openScripted([](ScriptedWindow& w) { w.properties.Frame = 1; });
        QTimer::singleShot(1, [] { platform::Quit(0); });
        dialog->ShowModal();
        modalReturned = true;
    });
    EXPECT_EQ(platform::_RuntimeRun(), 0);
    EXPECT_TRUE(modalReturned);
    EXPECT_TRUE(main->isOpen());
}

// --- quit signals ------------------------------------------------------------------------------
// Each case runs in a child process of its own: a quit signal is handled once per process.

// The main window (its Close handler quits) with a modal dialog open over it; the signal
// arrives while the dialog's own loop runs. Ends the process with the loop's status after
// printing the order in which the windows closed.
[[noreturn]] void quitSignalWhileADialogIsOpen(int signal)
{
    auto closed = std::make_shared<std::string>();
    bool modalReturned = false;
    openScripted([closed](ScriptedWindow& w) {
        w.onClose = [closed](ScriptedWindow&) {
            *closed += " main";
            platform::Quit(0);
        };
    });
    QTimer::singleShot(1, [&] {
        ScriptedWindow* dialog = openScripted([closed](ScriptedWindow& w) {
            w.properties.Frame = 1;
            w.onClose = [closed](ScriptedWindow&) { *closed += " dialog"; };
        });
        QTimer::singleShot(1, [signal] { std::raise(signal); });
        dialog->ShowModal();
        modalReturned = true;
    });
    const int status = platform::_RuntimeRun();
    std::fprintf(stderr, "closed:%s; the dialog returned: %s\n", closed->c_str(), modalReturned ? "yes" : "no");
    std::fflush(stderr);
    std::_Exit(status);
}

TEST_F(ApplicationTest, QuitSignalsCloseEveryWindowNewestFirstAsTheQuitItemDoes)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        EXPECT_EXIT(quitSignalWhileADialogIsOpen(signal), ::testing::ExitedWithCode(0),
                    "closed: dialog main; the dialog returned: yes")
            << "signal " << signal;
}

// The main window's close hangs (a save to a stuck network folder, say) and the user sends
// the same signal again: that one ends the process at once.
[[noreturn]] void sameSignalAgainWhileClosing(int signal)
{
    openScripted([signal](ScriptedWindow& w) {
        w.onClose = [signal](ScriptedWindow&) {
            std::raise(signal);
            std::fprintf(stderr, "the second signal was survived\n");
            platform::Quit(0);
        };
    });
    QTimer::singleShot(1, [signal] { std::raise(signal); });
    std::_Exit(platform::_RuntimeRun());
}

TEST_F(ApplicationTest, TheSameQuitSignalWhileClosingEndsTheProcessAtOnce)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        EXPECT_EXIT(sameSignalAgainWhileClosing(signal), ::testing::KilledBySignal(signal), "")
            << "signal " << signal;
}

TEST_F(ApplicationTest, ReleasingTheFrameworkStateDeletesWindowsWithoutCloseEvents)
{
    const int destroyedBefore = ScriptedWindow::destroyed();
    ScriptedWindow* open = openScripted();
    const auto log = open->log;
    ScriptedWindow* closed = openScripted();
    closed->Close(); // its deletion still pending
    platform::releaseFrameworkState();
    EXPECT_EQ(ScriptedWindow::destroyed(), destroyedBefore + 2);
    EXPECT_EQ(log->back(), "Open");
    EXPECT_TRUE(platform::testing::openWindows().empty());
    EXPECT_EQ(platform::_GetImplicitWindow(ScriptedWindow::kClassName), nullptr);
}

// Ends the toolkit, then starts it again for the tests that follow.
TEST_F(ApplicationTest, RuntimeExitShutsDownAndReturnsTheExitStatus)
{
    openScripted();
    platform::Quit(5);
    EXPECT_EQ(platform::_RuntimeRun(), 5);
    EXPECT_EQ(platform::RuntimeExit(), 5);
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
    EXPECT_EQ(platform::_GetAppObject(), nullptr);

    platform::RuntimeInit();
    ASSERT_NE(QCoreApplication::instance(), nullptr);
    openScripted();
    EXPECT_EQ(platform::testing::openWindows().size(), 1u);
}

} // namespace
