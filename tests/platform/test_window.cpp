#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/Menu.h"
#include "platform/Picture.h"
#include "platform/Testing.h"
#include "support/ScriptedWindow.h"

#include <QBackingStore>
#include <QImage>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

using namespace vemra::test;
using platform::Window;

namespace {

Window* implicitScripted() { return platform::_GetImplicitWindow(ScriptedWindow::kClassName); }

class WindowTest : public ScriptedWindowTest {};

// --- construction, implicit instance, closing ---------------------------------------------

TEST_F(WindowTest, ConstructionRaisesItsEventsInOrderAndShowsTheWindow)
{
    ScriptedWindow* window = openScripted();
    EXPECT_EQ(*window->log, (EventLog{"Layout", "CreateControls", "AddMenuHandlers", "Open"}));
    EXPECT_TRUE(window->isOpen());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowTest, WindowIsItsOwnImplicitInstanceFromOpenUntilItHasClosed)
{
    Window* seenInLayout = nullptr;
    Window* seenInOpen = nullptr;
    Window* seenInClose = nullptr;
    ScriptedWindow* window = openScripted([&](ScriptedWindow& w) {
        w.onLayout = [&](ScriptedWindow&) { seenInLayout = implicitScripted(); };
        // The accessor, called from Open and Close, must find this window and not make a second.
        w.onOpen = [&](ScriptedWindow&) {
            seenInOpen = platform::implicitWindow<ScriptedWindow>(ScriptedWindow::kClassName);
        };
        w.onClose = [&](ScriptedWindow&) {
            seenInClose = platform::implicitWindow<ScriptedWindow>(ScriptedWindow::kClassName);
        };
    });
    EXPECT_EQ(seenInLayout, window);
    EXPECT_EQ(seenInOpen, window);
    EXPECT_EQ(platform::implicitWindow<ScriptedWindow>(ScriptedWindow::kClassName), window);
    EXPECT_EQ(platform::testing::openWindows().size(), 1u);

    window->Close();
    EXPECT_EQ(seenInClose, window);
    EXPECT_EQ(implicitScripted(), nullptr);
    EXPECT_TRUE(platform::testing::openWindows().empty());
}

TEST_F(WindowTest, AccessorMakesAFreshWindowAfterTheOldOneClosed)
{
    auto* first = platform::implicitWindow<ScriptedWindow>(ScriptedWindow::kClassName);
    const auto firstLog = first->log;
    first->Close();
    auto* second = platform::implicitWindow<ScriptedWindow>(ScriptedWindow::kClassName);
    EXPECT_NE(second->log, firstLog);
    EXPECT_EQ(*second->log, (EventLog{"Layout", "CreateControls", "AddMenuHandlers", "Open"}));
    EXPECT_EQ(implicitScripted(), second);
}

TEST_F(WindowTest, ImplicitInstanceIsLookedUpByClassName)
{
    openScripted();
    EXPECT_EQ(platform::_GetImplicitWindow("test.OtherWindow"), nullptr);
}

TEST_F(WindowTest, ClosedWindowIsDeletedOnlyOnceBackInTheEventLoop)
{
    const int destroyedBefore = ScriptedWindow::destroyed();
    ScriptedWindow* window = openScripted();
    const auto log = window->log;
    window->Close();
    // A handler that called Close may still use its window.
    window->setTitle("still here");
    EXPECT_EQ(window->Title(), "still here");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ScriptedWindow::destroyed(), destroyedBefore);

    platform::testing::processEvents();
    EXPECT_EQ(ScriptedWindow::destroyed(), destroyedBefore + 1);
    EXPECT_EQ(*log, (EventLog{"Layout", "CreateControls", "AddMenuHandlers", "Open", "Close"}));
}

TEST_F(WindowTest, CloseRaisesCloseOnceEvenWhenCalledAgainFromItsHandler)
{
    ScriptedWindow* window = openScripted([](ScriptedWindow& w) { w.onClose = [](ScriptedWindow& self) { self.Close(); }; });
    const auto log = window->log;
    window->Close();
    window->Close();
    EXPECT_EQ(std::count(log->begin(), log->end(), "Close"), 1);
}

TEST_F(WindowTest, CloseBoxClosesTheWindowThroughItsCloseEvent)
{
    ScriptedWindow* window = openScripted();
    const auto log = window->log;
    EXPECT_TRUE(window->frame()->close()); // never cancelled
    EXPECT_EQ(log->back(), "Close");
    EXPECT_EQ(implicitScripted(), nullptr);
}

TEST_F(WindowTest, WindowClosedDuringItsOpenIsNeverShown)
{
    ScriptedWindow* window = openScripted([](ScriptedWindow& w) { w.onOpen = [](ScriptedWindow& self) { self.Close(); }; });
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(implicitScripted(), nullptr);
}

// --- designer properties -------------------------------------------------------------------

TEST_F(WindowTest, ContentAreaKeepsTheDesignerSizeBelowTheMenuBarAndCannotBeResized)
{
    auto bar = std::make_shared<platform::MenuBar>();
    auto file = std::make_shared<platform::MenuItem>();
    file->Text = "File";
    bar->Append(file);
    ScriptedWindow* window = openScripted([&](ScriptedWindow& w) {
        w.onLayout = [&](ScriptedWindow& self) { self.setMenuBar(bar); };
    });
    QWidget* frame = window->frame();
    auto* menuBar = frame->findChild<QMenuBar*>();
    ASSERT_NE(menuBar, nullptr);
    EXPECT_TRUE(menuBar->isVisible());

    QWidget* content = window->contentWidget();
    EXPECT_EQ(content->size(), QSize(320, 480));
    EXPECT_GT(menuBar->height(), 0);
    EXPECT_EQ(content->mapTo(frame, QPoint(0, 0)), QPoint(0, menuBar->height()));
    EXPECT_EQ(frame->size(), QSize(320, 480 + menuBar->height()));
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());

    frame->resize(500, 700);
    EXPECT_EQ(content->size(), QSize(320, 480));
}

TEST_F(WindowTest, WindowWithoutMenuBarIsJustItsContentArea)
{
    ScriptedWindow* window = openScripted([](ScriptedWindow& w) {
        w.properties.Width = 385;
        w.properties.Height = 706;
    });
    EXPECT_EQ(window->frame()->findChild<QMenuBar*>(), nullptr);
    EXPECT_EQ(window->frame()->size(), QSize(385, 706));
}

TEST_F(WindowTest, TitleAndFrameButtonsFollowTheProperties)
{
    ScriptedWindow* main = openScripted([](ScriptedWindow& w) { w.properties.Title = "00:00:00"; });
    EXPECT_EQ(main->Title(), "00:00:00");
    EXPECT_EQ(main->frame()->windowTitle(), QStringLiteral("00:00:00"));
    const Qt::WindowFlags mainFlags = main->frame()->windowFlags();
    EXPECT_TRUE(mainFlags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(mainFlags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(mainFlags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(main->frame()->windowModality(), Qt::NonModal);

    ScriptedWindow* dialog = openScripted([](ScriptedWindow& w) {
        w.properties.Frame = 1;
        w.properties.CloseButton = false;
        w.properties.Title = "環境設定";
    });
    EXPECT_EQ(dialog->frame()->windowTitle(), QStringLiteral("環境設定"));
    const Qt::WindowFlags dialogFlags = dialog->frame()->windowFlags();
    EXPECT_FALSE(dialogFlags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dialogFlags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialogFlags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(dialog->frame()->windowModality(), Qt::ApplicationModal);

    main->setTitle("12:34:56");
    EXPECT_EQ(main->frame()->windowTitle(), QStringLiteral("12:34:56"));
}

// --- backdrop and clicks ------------------------------------------------------------------

TEST_F(WindowTest, BackdropIsDrawnUnscaledAtTheTopLeftAndNilDrawsNothing)
{
    ScriptedWindow* window = openScripted();
    QWidget* content = window->contentWidget();
    const QColor background = content->grab().toImage().pixelColor(5, 5);

    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    image.setPixelColor(39, 29, QColor(0, 0, 255));
    ASSERT_NE(background, QColor(255, 0, 0));
    window->setBackdrop(std::make_shared<platform::Picture>(image));
    ASSERT_NE(window->Backdrop(), nullptr);

    QImage shown = content->grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(shown.pixelColor(39, 29), QColor(0, 0, 255)); // not scaled: the last pixel stays put
    EXPECT_EQ(shown.pixelColor(40, 30), background);
    EXPECT_EQ(shown.pixelColor(300, 400), background);

    window->setBackdrop(nullptr);
    shown = content->grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), background);

    // In the window's own pixels too: a photo covering the whole area hides the background,
    // which shows again once the photo is gone.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(content->window()));
    QImage cover(content->size(), QImage::Format_RGB32);
    cover.fill(QColor(255, 0, 0));
    window->setBackdrop(std::make_shared<platform::Picture>(cover));
    content->repaint();
    window->setBackdrop(nullptr);
    content->repaint();
    QPaintDevice* pixels = content->window()->backingStore()->paintDevice();
    ASSERT_EQ(pixels->devType(), QInternal::Image);
    const QPoint inside = content->mapTo(content->window(), QPoint(5, 5));
    EXPECT_EQ(static_cast<QImage*>(pixels)->pixelColor(inside), background);
}

TEST_F(WindowTest, ClickInTheContentAreaRaisesMouseDownWithItsPosition)
{
    ScriptedWindow* window = openScripted();
    QTest::mouseClick(window->contentWidget(), Qt::LeftButton, {}, QPoint(17, 230));
    EXPECT_EQ(window->log->back(), "MouseDown 17,230");
}

// --- modal showing -------------------------------------------------------------------------

TEST_F(WindowTest, ShowModalReturnsOnceTheWindowHasClosed)
{
    ScriptedWindow* dialog = openScripted([](ScriptedWindow& w) { w.properties.Frame = 1; });
    const auto log = dialog->log;
    QTimer::singleShot(10, [dialog] { dialog->Close(); });
    dialog->ShowModal();
    EXPECT_EQ(log->back(), "Close");
    EXPECT_EQ(implicitScripted(), nullptr);
}

TEST_F(WindowTest, ShowModalReturnsAtQuitWithTheWindowStillOpen)
{
    ScriptedWindow* dialog = openScripted();
    QTimer::singleShot(10, [] { platform::Quit(0); });
    dialog->ShowModal();
    EXPECT_TRUE(platform::testing::quitCalled());
    EXPECT_TRUE(dialog->isOpen());
}

TEST_F(WindowTest, ShowModalOfAClosedWindowReturnsAtOnce)
{
    ScriptedWindow* window = openScripted();
    window->Close();
    const int destroyed = ScriptedWindow::destroyed();
    window->ShowModal();
    // No event loop ran: the closed window is still waiting for its deletion.
    EXPECT_EQ(ScriptedWindow::destroyed(), destroyed);
    EXPECT_EQ(window->log->back(), "Close");
}

// --- unhandled exceptions -----------------------------------------------------------------

TEST_F(WindowTest, ExceptionInAConstructionEventIsReportedAndConstructionGoesOn)
{
    const int before = platform::testing::reportedErrors();
    ScriptedWindow* window = openScripted([](ScriptedWindow& w) {
        w.onLayout = [](ScriptedWindow&) { throw platform::NilObjectException("no bar"); };
        w.onOpen = [](ScriptedWindow&) { throw std::runtime_error("no file"); };
    });
    EXPECT_EQ(platform::testing::reportedErrors(), before + 2);
    EXPECT_EQ(*window->log, (EventLog{"Layout", "CreateControls", "AddMenuHandlers", "Open"}));
    EXPECT_NE(platform::testing::lastReportedError().find("test.ScriptedWindow.Open: no file"), std::string::npos);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowTest, ExceptionInCloseIsReportedAndTheWindowStillCloses)
{
    ScriptedWindow* window = openScripted([](ScriptedWindow& w) {
        w.onClose = [](ScriptedWindow&) { throw platform::IOException("disk full"); };
    });
    const int before = platform::testing::reportedErrors();
    window->Close();
    EXPECT_EQ(platform::testing::reportedErrors(), before + 1);
    EXPECT_EQ(platform::testing::lastReportedError(),
              "vemraViewer: unhandled IOException in test.ScriptedWindow.Close: disk full");
    EXPECT_EQ(implicitScripted(), nullptr);
}

TEST_F(WindowTest, ExceptionInMouseDownIsReportedAndLaterClicksStillArrive)
{
    ScriptedWindow* window = openScripted([](ScriptedWindow& w) {
        w.onMouseDown = [](ScriptedWindow&, int x, int) {
            if (x == 1)
                throw platform::OutOfBoundsException("index 13");
        };
    });
    const int before = platform::testing::reportedErrors();
    QTest::mouseClick(window->contentWidget(), Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseClick(window->contentWidget(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(platform::testing::reportedErrors(), before + 1);
    EXPECT_NE(platform::testing::lastReportedError().find("OutOfBoundsException in test.ScriptedWindow.MouseDown"),
              std::string::npos);
    EXPECT_EQ(window->log->back(), "MouseDown 2,2");
}

// --- controls owned by the window ---------------------------------------------------------

class CountedLabel : public platform::Label {
public:
    ~CountedLabel() override { ++destroyed; }
    static inline int destroyed = 0;
};

TEST_F(WindowTest, ControlsAreFoundByNameAndIndexAndGoWithTheirWindow)
{
    CountedLabel::destroyed = 0;
    platform::ControlProperties p;
    ScriptedWindow* window = openScripted([&](ScriptedWindow& w) {
        w.onCreateControls = [&](ScriptedWindow& self) {
            self.addControl<CountedLabel>("title", p);
            for (int i : {0, 2, 1})
                self.addControl<CountedLabel>("face", p, i);
        };
    });
    EXPECT_EQ(window->controlByName("title")->Name(), "title");
    EXPECT_EQ(window->controlByName("title")->Window(), window);
    EXPECT_EQ(window->controlByNameIndex("face", 1)->Index, 1);
    EXPECT_NE(window->controlByNameIndex("face", 1), window->controlByNameIndex("face", 2));
    EXPECT_EQ(window->controlByNameIndex("face", 3), nullptr);
    EXPECT_EQ(window->controlByName("missing"), nullptr);
    EXPECT_THROW(platform::controlAs<platform::CheckBox>(window->controlByName("title"), "title"),
                 platform::IllegalCastException);
    EXPECT_THROW(platform::controlAs<platform::Label>(window->controlByName("missing"), "missing"),
                 platform::NilObjectException);
    EXPECT_THROW(window->addControl("nil", nullptr), platform::NilObjectException);

    window->Close();
    platform::testing::processEvents();
    EXPECT_EQ(CountedLabel::destroyed, 4);
}

TEST_F(WindowTest, ClosingStopsTheWindowsTimers)
{
    int ticks = 0;
    platform::Timer* timer = nullptr;
    ScriptedWindow* window = openScripted([&](ScriptedWindow& w) {
        w.onCreateControls = [&](ScriptedWindow& self) {
            timer = self.newControl<platform::Timer>();
            timer->Constructor();
            self.addControl("tick", timer);
            timer->_SetProperties({2, 1});
            timer->setAction([&](platform::Timer&) { ++ticks; });
        };
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }));
    window->Close();
    EXPECT_EQ(timer->Mode(), 0);
}

} // namespace
