#include "platform/MenuBarView.h"

#include "platform/MenuShortcut.h"
#include "platform/WindowHost.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <utility>
#include <vector>

namespace platform {

namespace {

class MenuBarWidget : public QMenuBar {
public:
    explicit MenuBarWidget(Window& window) : window_(window)
    {
        // Always in the window, above the content area, also where a desktop offers a global bar.
        setNativeMenuBar(false);
    }

    Window& window() const { return window_; }

    void addEntry(QAction* action, MenuItemPtr item) { entries_.emplace_back(action, std::move(item)); }

    void refresh()
    {
        for (const auto& [action, item] : entries_)
            action->setEnabled(WindowHost::takesMenuItem(window_, *item));
    }

private:
    Window& window_;
    std::vector<std::pair<QAction*, MenuItemPtr>> entries_;
};

QMenu* addMenu(MenuBarWidget& bar, QWidget& parent, const MenuItem& item);

void addEntries(MenuBarWidget& bar, QMenu& menu, const MenuItem& parent)
{
    for (int i = 0; i < parent.Count(); ++i) {
        const MenuItemPtr item = parent.Item(i);
        if (item == nullptr)
            continue;
        if (item->isSeparator()) {
            menu.addSeparator();
        } else if (item->Count() > 0) {
            menu.addMenu(addMenu(bar, menu, *item));
        } else {
            QAction* action = menu.addAction(literalCaption(item->Text));
            action->setMenuRole(QAction::NoRole);
            const String shortcut = toolkitShortcut(item->KeyboardShortcut);
            if (!shortcut.empty())
                action->setShortcut(QKeySequence::fromString(toQString(shortcut), QKeySequence::PortableText));
            Window* window = &bar.window();
            QObject::connect(action, &QAction::triggered, &bar,
                             [window, item] { WindowHost::chooseMenuItem(*window, item); });
            bar.addEntry(action, item);
        }
    }
}

QMenu* addMenu(MenuBarWidget& bar, QWidget& parent, const MenuItem& item)
{
    auto* menu = new QMenu(literalCaption(item.Text), &parent);
    menu->menuAction()->setMenuRole(QAction::NoRole);
    addEntries(bar, *menu, item);
    QObject::connect(menu, &QMenu::aboutToShow, &bar, [&bar] { bar.refresh(); });
    return menu;
}

} // namespace

QMenuBar* makeMenuBarWidget(Window& window, const MenuItem& tree)
{
    auto* bar = new MenuBarWidget(window);
    for (int i = 0; i < tree.Count(); ++i) {
        const MenuItemPtr item = tree.Item(i);
        if (item != nullptr && !item->isSeparator())
            bar->addMenu(addMenu(*bar, *bar, *item));
    }
    bar->refresh();
    return bar;
}

void refreshMenuBarWidget(QMenuBar* widget)
{
    if (auto* bar = dynamic_cast<MenuBarWidget*>(widget))
        bar->refresh();
}

} // namespace platform
