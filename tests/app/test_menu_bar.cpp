#include "support/AppFolder.h"

#include "app/App.h"
#include "app/MenuBar1.h"
#include "clock/MainWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

using vemra::test::AppFolder;

namespace {

struct Entry {
    const char* name;
    const char* text;
    const char* shortcut;
};

TEST(MenuBar, IsBuiltOnceAndSharedByTheApplicationAndTheMainWindow)
{
    AppFolder folder;
    auto bar = MenuBar1();
    EXPECT_EQ(MenuBar1(), bar);
    EXPECT_EQ(App()->MenuBar(), bar);
    EXPECT_EQ(mainWindow()->MenuBar(), bar);
}

TEST(MenuBar, HoldsTheFileAndEditMenusInOrder)
{
    auto bar = MenuBar1();
    ASSERT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->Item(0)->Name, "FileMenu");
    EXPECT_EQ(bar->Item(0)->Text, "ファイル");
    EXPECT_EQ(bar->Item(1)->Name, "EditMenu");
    EXPECT_EQ(bar->Item(1)->Text, "編集");

    const std::vector<Entry> file = {{"prefMenu", "環境設定...", ""}, {"FileQuit", "終了", "Cmd+Q"}};
    const std::vector<Entry> edit = {
        {"EditUndo", "元に戻す", "Cmd+Z"}, {"UntitledMenu1", "-", ""},  {"EditCut", "カット", "Cmd+X"},
        {"EditCopy", "コピー", "Cmd+C"},   {"EditPaste", "貼り付け", "Cmd+V"}, {"EditClear", "削除", ""},
        {"UntitledMenu0", "-", ""},       {"EditSelectAll", "すべてを選択", "Cmd+A"},
    };
    for (auto [menu, entries] : {std::pair{bar->Item(0), file}, std::pair{bar->Item(1), edit}}) {
        ASSERT_EQ(menu->Count(), int(entries.size()));
        for (int i = 0; i < menu->Count(); ++i) {
            EXPECT_EQ(menu->Item(i)->Name, entries[std::size_t(i)].name);
            EXPECT_EQ(menu->Item(i)->Text, entries[std::size_t(i)].text);
            EXPECT_EQ(menu->Item(i)->KeyboardShortcut, entries[std::size_t(i)].shortcut);
            EXPECT_TRUE(menu->Item(i)->AutoEnable);
        }
    }
}

TEST(MenuBar, TheMainWindowFindsEveryItemAsItsKind)
{
    AppFolder folder;
    MainWindow* window = mainWindow();
    EXPECT_NE(window->prefMenu(), nullptr);
    EXPECT_NE(window->FileQuit(), nullptr);
    for (auto item : {window->EditMenu(), window->EditSelectAll(), window->UntitledMenu0(), window->EditClear(),
                      window->EditPaste(), window->EditCopy(), window->EditCut(), window->UntitledMenu1(),
                      window->EditUndo(), window->FileMenu()}) {
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(dynamic_cast<platform::PrefsMenuItem*>(item.get()), nullptr);
        EXPECT_EQ(dynamic_cast<platform::QuitMenuItem*>(item.get()), nullptr);
    }
}

TEST(MenuBar, IsShownAboveTheClockWithLinuxShortcuts)
{
    AppFolder folder;
    QWidget* top = mainWindow()->contentWidget()->window();
    auto* bar = top->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList texts;
    QStringList shortcuts;
    for (QAction* menuAction : bar->actions()) {
        texts << menuAction->text();
        for (QAction* entry : menuAction->menu()->actions()) {
            texts << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
            if (!entry->shortcut().isEmpty())
                shortcuts << entry->shortcut().toString();
        }
    }
    EXPECT_EQ(texts, QStringList({"ファイル", "環境設定...", "終了", "編集", "元に戻す", "-", "カット", "コピー",
                                  "貼り付け", "削除", "-", "すべてを選択"}));
    EXPECT_EQ(shortcuts, QStringList({"Ctrl+Q", "Ctrl+Z", "Ctrl+X", "Ctrl+C", "Ctrl+V", "Ctrl+A"}));
}

} // namespace
