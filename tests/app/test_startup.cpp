#include "support/AppFolder.h"

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/Startup.h"
#include "catalogue/CatalogueTexts.h"
#include "clock/MainWindow.h"
#include "platform/Testing.h"

#include <gtest/gtest.h>

#include <QTimer>

using vemra::test::AppFolder;

namespace {

TEST(Startup, MakesTheApplicationWithItsMenuBarThenTheMainWindow)
{
    AppFolder folder;
    AppObject* previous = App();
    _Startup();
    ASSERT_NE(App(), nullptr);
    EXPECT_NE(App(), previous);
    EXPECT_EQ(App()->MenuBar(), MenuBar1());

    auto windows = platform::testing::openWindows();
    ASSERT_EQ(windows.size(), 1u);
    auto* window = dynamic_cast<MainWindow*>(windows.front());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->MenuBar(), MenuBar1());
}

TEST(Startup, RunsUntilTheMainWindowClosesAndSavesOnTheWayOut)
{
    AppFolder folder;
    folder.writeResource("ActTime.txt", "0000\t1\r");
    QTimer::singleShot(300, [] { mainWindow()->Close(); });
    _Main();
    EXPECT_TRUE(platform::testing::quitCalled());
    EXPECT_EQ(platform::testing::quitCode(), 0);
    EXPECT_TRUE(folder.readPrefs().startsWith("seiyuOn/Off=1,1,1,1,1,1,1,1,1,1,1,1\n"));

    releaseModuleState();
    EXPECT_TRUE(platform::testing::openWindows().empty());
    folder.writeResource("ActTime.txt", "changed");
    EXPECT_EQ(ActTime(), "changed"); // the kept texts went with the run
}

} // namespace
