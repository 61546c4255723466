#include "app/MenuBar1.h"
#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/Menu.h"
#include "platform/Testing.h"
#include "support/ScriptedWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace vemra::test;
using platform::MenuItem;
using platform::MenuItemPtr;

namespace {

template <typename Item = MenuItem>
std::shared_ptr<Item> item(const std::string& name, const std::string& text, const std::string& shortcut = "")
{
    auto made = std::make_shared<Item>();
    made->Name = name;
    made->Text = text;
    made->KeyboardShortcut = shortcut;
    return made;
}

// A fresh copy of the program's own bar: the File menu with preferences and quit, the Edit
// menu with its entries. Fresh, since some tests add items to it.
std::shared_ptr<platform::MenuBar> programBar()
{
    return std::make_shared<MainMenuBar>();
}

// --- the item tree -------------------------------------------------------------------------------

TEST(MenuTree, ChildrenKeepAppendOrderAndAreFoundByName)
{
    auto bar = programBar();
    ASSERT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->Item(0)->Name, "FileMenu");
    EXPECT_EQ(bar->Item(1)->Name, "EditMenu");
    EXPECT_EQ(bar->Item(2), nullptr);
    EXPECT_EQ(bar->Item(-1), nullptr);
    EXPECT_EQ(bar->Child("EditMenu")->Count(), 8);
    EXPECT_EQ(bar->Child("EditMenu")->Item(1)->isSeparator(), true);
    EXPECT_EQ(bar->Child("prefMenu"), nullptr); // only direct children
    EXPECT_EQ(bar->Child("nothing"), nullptr);
}

TEST(MenuTree, LookupFindsAnItemAtAnyDepthWithItsKind)
{
    auto bar = programBar();
    EXPECT_EQ(bar->_Lookup("FileMenu"), bar->Child("FileMenu"));
    EXPECT_NE(std::dynamic_pointer_cast<platform::PrefsMenuItem>(bar->_Lookup("prefMenu")), nullptr);
    EXPECT_NE(std::dynamic_pointer_cast<platform::QuitMenuItem>(bar->_Lookup("FileQuit")), nullptr);
    EXPECT_EQ(bar->_Lookup("EditSelectAll")->Text, "すべてを選択");
    EXPECT_EQ(bar->_Lookup("UntitledMenu0")->Text, "-");
    EXPECT_EQ(bar->_Lookup("nothing"), nullptr);

    auto deep = item("deep", "deep");
    bar->_Lookup("EditCut")->Append(deep);
    EXPECT_EQ(bar->_Lookup("deep"), deep);
}

TEST(MenuTree, NilItemIsRefused)
{
    auto menu = item("menu", "menu");
    EXPECT_THROW(menu->Append(nullptr), platform::NilObjectException);
    EXPECT_EQ(menu->Count(), 0);
}

// --- the bar in a window -------------------------------------------------------------------------

class MenuBarTest : public ScriptedWindowTest {
protected:
    // A window showing the program's bar; "prefMenu" is bound to a handler when `bindPrefs`.
    ScriptedWindow* windowWithBar(bool bindPrefs = true)
    {
        return openScripted([this, bindPrefs](ScriptedWindow& w) {
            w.onLayout = [this](ScriptedWindow& self) { self.setMenuBar(bar); };
            if (bindPrefs)
                w.onAddMenuHandlers = [this](ScriptedWindow& self) {
                    self.addMenuHandler("prefMenu", [this] {
                        ++prefsChosen;
                        return true;
                    });
                };
        });
    }

    static QMenuBar* menuBarOf(ScriptedWindow& window) { return window.frame()->findChild<QMenuBar*>(); }

    static QAction* entry(ScriptedWindow& window, int menu, int index)
    {
        return menuBarOf(window)->actions().at(menu)->menu()->actions().at(index);
    }

    std::shared_ptr<platform::MenuBar> bar = programBar();
    int prefsChosen = 0;
};

TEST_F(MenuBarTest, BarShowsTheProgramsTextsSeparatorsAndShortcutsInOrder)
{
    ScriptedWindow* window = windowWithBar();
    QMenuBar* menuBar = menuBarOf(*window);
    ASSERT_NE(menuBar, nullptr);
    EXPECT_FALSE(menuBar->isNativeMenuBar());

    std::vector<std::string> shown;
    for (QAction* menu : menuBar->actions()) {
        shown.push_back("[" + menu->text().toStdString() + "]");
        for (QAction* action : menu->menu()->actions()) {
            if (action->isSeparator()) {
                shown.push_back("---");
                continue;
            }
            std::string line = action->text().toStdString();
            if (!action->shortcut().isEmpty())
                line += " " + action->shortcut().toString(QKeySequence::PortableText).toStdString();
            shown.push_back(line);
            EXPECT_EQ(action->menuRole(), QAction::NoRole) << line;
        }
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"[ファイル]", "環境設定...", "終了 Ctrl+Q", "[編集]", "元に戻す Ctrl+Z", "---",
                                              "カット Ctrl+X", "コピー Ctrl+C", "貼り付け Ctrl+V", "削除", "---",
                                              "すべてを選択 Ctrl+A"}));
}

TEST_F(MenuBarTest, OnlyEntriesThatSomethingTakesAreEnabled)
{
    ScriptedWindow* window = windowWithBar();
    EXPECT_TRUE(entry(*window, 0, 0)->isEnabled());  // bound preferences handler
    EXPECT_TRUE(entry(*window, 0, 1)->isEnabled());  // the quit item
    EXPECT_FALSE(entry(*window, 1, 0)->isEnabled()); // Edit entries: nothing takes them
    EXPECT_FALSE(entry(*window, 1, 7)->isEnabled());

    ScriptedWindow* unbound = windowWithBar(false);
    EXPECT_FALSE(entry(*unbound, 0, 0)->isEnabled());
}

TEST_F(MenuBarTest, ChoosingABoundItemRunsItsWindowsHandler)
{
    ScriptedWindow* window = windowWithBar();
    entry(*window, 0, 0)->trigger();
    entry(*window, 1, 2)->trigger(); // unbound: nothing happens
    EXPECT_EQ(prefsChosen, 1);
    EXPECT_FALSE(platform::testing::quitCalled());
}

TEST_F(MenuBarTest, HandlerExceptionIsReportedAndTheItemStaysUsable)
{
    int calls = 0;
    ScriptedWindow* window = openScripted([&](ScriptedWindow& w) {
        w.onLayout = [this](ScriptedWindow& self) { self.setMenuBar(bar); };
        w.onAddMenuHandlers = [&calls](ScriptedWindow& self) {
            self.addMenuHandler("prefMenu", [&calls]() -> bool {
                if (++calls == 1)
                    throw platform::NilObjectException("prefWindow");
                return true;
            });
        };
    });
    const int before = platform::testing::reportedErrors();
    entry(*window, 0, 0)->trigger();
    entry(*window, 0, 0)->trigger();
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(platform::testing::reportedErrors(), before + 1);
    EXPECT_NE(platform::testing::lastReportedError().find("NilObjectException in test.ScriptedWindow.prefMenu"),
              std::string::npos);
}

TEST_F(MenuBarTest, QuitItemClosesEveryWindowThroughItsCloseEventNewestFirst)
{
    auto closed = std::make_shared<std::vector<std::string>>();
    ScriptedWindow* main = windowWithBar();
    main->onClose = [closed](ScriptedWindow&) {
        closed->push_back("main");
        platform::Quit(0); // as the main window's Close handler does after saving
    };
    ScriptedWindow* other = openScripted();
    other->onClose = [closed](ScriptedWindow&) { closed->push_back("other"); };

    entry(*main, 0, 1)->trigger();
    EXPECT_EQ(*closed, (std::vector<std::string>{"other", "main"}));
    EXPECT_TRUE(platform::testing::openWindows().empty());
    EXPECT_TRUE(platform::testing::quitCalled());
    EXPECT_EQ(platform::testing::quitCode(), 0);
}

TEST_F(MenuBarTest, ControlQPressesTheQuitItem)
{
    ScriptedWindow* main = windowWithBar();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main->frame()));
    const auto log = main->log;
    QTest::keyClick(main->frame(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(log->back(), "Close");
}

} // namespace
