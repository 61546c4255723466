#include "support/AppFolder.h"

#include "clock/MainWindow.h"
#include "platform/Testing.h"

#include <gtest/gtest.h>

#include <QMenuBar>
#include <QTest>
#include <QWidget>

using vemra::test::AppFolder;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    AppFolder folder;
};

TEST_F(MainWindowTest, OpensAsAFixedClockFaceUnderItsMenuBar)
{
    MainWindow* window = mainWindow();
    QWidget* content = window->contentWidget();
    QWidget* top = content->window();
    EXPECT_EQ(content->size(), QSize(320, 480));
    EXPECT_EQ(window->Title(), "00:00:00");
    EXPECT_EQ(top->windowTitle(), QStringLiteral("00:00:00"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(top->minimumSize(), top->maximumSize());
    EXPECT_FALSE(top->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(top->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(top->windowFlags() & Qt::WindowCloseButtonHint);
    auto* bar = top->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_LE(bar->geometry().bottom(), content->geometry().top());
}

TEST_F(MainWindowTest, IsTheOneImplicitInstanceUntilItCloses)
{
    MainWindow* window = mainWindow();
    EXPECT_EQ(mainWindow(), window);
    window->Close();
    platform::testing::processEvents();
    EXPECT_NE(mainWindow(), nullptr);
}

TEST_F(MainWindowTest, KeepsItsStateInPlainProperties)
{
    MainWindow* window = mainWindow();
    EXPECT_EQ(window->settings.nameCheck.Ubound(), 12);
    EXPECT_FALSE(window->settings.nameCheck(12));
    EXPECT_EQ(window->lastTime, "00:00:00");
    platform::Timer* timer = window->mainTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->Mode(), 2);
    EXPECT_EQ(timer->Period(), 500);
}

TEST_F(MainWindowTest, AClickMakesTheNextTickReplayTheMinute)
{
    vemra::test::setTime(0, 0, 5);
    MainWindow* window = mainWindow();
    window->mainTimer()->fire();
    EXPECT_EQ(window->lastTime, "00:00"); // the first tick acts even at midnight
    EXPECT_EQ(window->Title(), "00:00:05");

    QTest::mouseClick(window->contentWidget(), Qt::LeftButton, {}, QPoint(10, 20));
    QTest::mouseClick(window->contentWidget(), Qt::LeftButton, {}, QPoint(300, 400));
    EXPECT_EQ(window->lastTime, "");

    vemra::test::setTime(0, 0, 6);
    window->mainTimer()->fire();
    EXPECT_EQ(window->lastTime, "00:00");
    EXPECT_EQ(window->Title(), "00:00:06");
}

} // namespace
