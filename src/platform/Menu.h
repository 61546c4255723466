#pragma once

#include "platform/Strings.h"

#include <memory>
#include <vector>

namespace platform {

class MenuItem;
using MenuItemPtr = std::shared_ptr<MenuItem>;

// One item of a menu tree: a menu bar holds menus, a menu holds entries. An item whose Text
// is "-" is a separator. KeyboardShortcut is "Cmd+<key>" or "" for none; on Linux Cmd is Ctrl.
// An entry shows enabled when something takes it, which is what AutoEnable asks for.
class MenuItem {
public:
    MenuItem() = default;
    virtual ~MenuItem() = default;

    String Name;
    String Text;
    String KeyboardShortcut;
    bool AutoEnable = true;

    // Adds the item as the last child.
    void Append(MenuItemPtr item);
    // The direct child of that name, or nil.
    MenuItemPtr Child(const String& name) const;
    // The item of that name at any depth below this one, or nil.
    MenuItemPtr _Lookup(const String& name) const;

    int Count() const { return int(children_.size()); }
    MenuItemPtr Item(int index) const; // nil outside 0 to Count() - 1
    bool isSeparator() const { return Text == "-"; }

private:
    std::vector<MenuItemPtr> children_;
};

// Choosing it reaches the handler bound to its name (Window::addMenuHandler).
class PrefsMenuItem : public MenuItem {};

// Choosing it runs the framework's quit action: every open window is closed through its Close
// event, newest first, and the application ends.
class QuitMenuItem : public MenuItem {};

class MenuBar : public MenuItem {};

} // namespace platform
