#include "platform/WindowHost.h"

#include "platform/Application.h"
#include "platform/FrameworkState.h"
#include "platform/WindowImpl.h"

#include <QWidget>

namespace platform {

void WindowHost::mouseDown(Window& window, int x, int y)
{
    if (window.d->closed)
        return;
    handleErrors(window.d->handlerName("MouseDown").c_str(), [&] { window.Event_MouseDown(x, y); });
}

void WindowHost::closeBox(Window& window) { window.Close(); }

namespace {

// The first registered default (or cancel) button that a user could press now.
PushButton* pressableButton(const std::vector<Control*>& controls, bool wantDefault)
{
    for (Control* control : controls) {
        auto* button = dynamic_cast<PushButton*>(control);
        if (button == nullptr || button->widget() == nullptr)
            continue;
        if ((wantDefault ? button->isDefault() : button->isCancel()) && button->widget()->isEnabled()
            && !button->widget()->isHidden())
            return button;
    }
    return nullptr;
}

} // namespace

bool WindowHost::pressDefaultButton(Window& window)
{
    PushButton* button = pressableButton(window.d->registered, true);
    if (button != nullptr)
        button->push();
    return button != nullptr;
}

bool WindowHost::pressCancelButton(Window& window)
{
    PushButton* button = pressableButton(window.d->registered, false);
    if (button != nullptr)
        button->push();
    return button != nullptr;
}

void WindowHost::chooseMenuItem(Window& window, const MenuItemPtr& item)
{
    if (item == nullptr || window.d->closed)
        return;
    const auto handler = window.d->menuHandlers.find(item->Name);
    if (handler != window.d->menuHandlers.end()) {
        const std::function<bool()> action = handler->second; // the handler may rebind itself
        handleErrors((window.d->className + "." + item->Name + " menu handler").c_str(),
                     [&action] { (void)action(); });
    } else if (dynamic_cast<const QuitMenuItem*>(item.get()) != nullptr) {
        handleErrors("the quit menu item", [] { framework::quitAction(); });
    }
}

bool WindowHost::takesMenuItem(const Window& window, const MenuItem& item)
{
    return !item.AutoEnable || item.Count() > 0 || window.d->menuHandlers.count(item.Name) > 0
        || dynamic_cast<const QuitMenuItem*>(&item) != nullptr;
}

} // namespace platform
