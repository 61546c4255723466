#include "platform/Menu.h"

#include "platform/Exceptions.h"

namespace platform {

namespace {

bool contains(const MenuItem& tree, const MenuItem* item)
{
    for (int i = 0; i < tree.Count(); ++i) {
        const MenuItemPtr child = tree.Item(i);
        if (child.get() == item || (child != nullptr && contains(*child, item)))
            return true;
    }
    return false;
}

} // namespace

void MenuItem::Append(MenuItemPtr item)
{
    if (item == nullptr)
        throw NilObjectException("cannot append a nil menu item");
    // An item inside itself would make every walk of the tree endless.
    if (item.get() == this || contains(*item, this))
        throw RuntimeException("a menu item cannot contain itself");
    children_.push_back(std::move(item));
}

MenuItemPtr MenuItem::Child(const String& name) const
{
    for (const MenuItemPtr& child : children_)
        if (child->Name == name)
            return child;
    return nullptr;
}

MenuItemPtr MenuItem::_Lookup(const String& name) const
{
    for (const MenuItemPtr& child : children_) {
        if (child->Name == name)
            return child;
        if (MenuItemPtr found = child->_Lookup(name))
            return found;
    }
    return nullptr;
}

MenuItemPtr MenuItem::Item(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return children_[std::size_t(index)];
}

} // namespace platform
