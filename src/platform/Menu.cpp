#include "platform/Menu.h"

#include "platform/Exceptions.h"

namespace platform {

void MenuItem::Append(MenuItemPtr item)
{
    if (item == nullptr)
        throw NilObjectException("cannot append a nil menu item");
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
