#include "app/MenuBar1.h"

#include "platform/Exceptions.h"

using platform::MenuItem;
using platform::MenuItemPtr;
using platform::notNil;

namespace {

std::shared_ptr<MainMenuBar> _implicitInstance;

struct ItemDesign {
    const char* name;
    const char* text;
    const char* shortcut;
};

// The Edit menu's entries in display order; "-" is a separator.
constexpr ItemDesign kEditEntries[] = {
    {"EditUndo", "元に戻す", "Cmd+Z"},
    {"UntitledMenu1", "-", ""},
    {"EditCut", "カット", "Cmd+X"},
    {"EditCopy", "コピー", "Cmd+C"},
    {"EditPaste", "貼り付け", "Cmd+V"},
    {"EditClear", "削除", ""},
    {"UntitledMenu0", "-", ""},
    {"EditSelectAll", "すべてを選択", "Cmd+A"},
};

template <typename Item>
std::shared_ptr<Item> makeItem(const char* name, const char* text, const char* shortcut)
{
    auto item = std::make_shared<Item>();
    notNil(item, name);
    item->Name = name;
    item->AutoEnable = true;
    item->Text = text;
    item->KeyboardShortcut = shortcut;
    return item;
}

} // namespace

MainMenuBar::MainMenuBar()
{
    Untitled0();
    Untitled1();
}

void MainMenuBar::Untitled0()
{
    Append(makeItem<MenuItem>("FileMenu", "ファイル", ""));
    notNil(Child("FileMenu"), "FileMenu").Append(makeItem<platform::PrefsMenuItem>("prefMenu", "環境設定...", ""));
    notNil(Child("FileMenu"), "FileMenu").Append(makeItem<platform::QuitMenuItem>("FileQuit", "終了", "Cmd+Q"));
}

void MainMenuBar::Untitled1()
{
    Append(makeItem<MenuItem>("EditMenu", "編集", ""));
    for (const ItemDesign& entry : kEditEntries)
        notNil(Child("EditMenu"), "EditMenu").Append(makeItem<MenuItem>(entry.name, entry.text, entry.shortcut));
}

std::shared_ptr<MainMenuBar> MenuBar1()
{
    if (!_implicitInstance) {
        auto bar = std::make_shared<MainMenuBar>();
        _implicitInstance = bar;
    }
    return _implicitInstance;
}

void releaseMenuBar1()
{
    _implicitInstance.reset();
}
