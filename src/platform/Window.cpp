#include "platform/Window.h"

#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Exceptions.h"
#include "platform/FrameworkState.h"
#include "platform/Menu.h"
#include "platform/WindowWidgets.h"

#include <QEventLoop>
#include <QWidget>

#include <algorithm>
#include <map>

namespace platform {

struct Window::Impl {
    String className;
    int placement = 0;
    String title;
    std::shared_ptr<Picture> backdrop;
    std::shared_ptr<platform::MenuBar> menuBar;
    WindowWidgets widgets;
    std::vector<std::unique_ptr<Control>> owned;
    std::vector<Control*> registered; // in registration order
    std::map<String, std::function<bool()>> menuHandlers;
    std::vector<QEventLoop*> modalLoops;
    QObject* deletion = nullptr; // pending deleteLater of this window
    bool constructed = false;
    bool closing = false;
    bool closed = false;
    // Expires when the window is deleted; lets code that may outlive it tell.
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);

    String handlerName(const char* event) const { return className + "." + event; }
};

Window::Window(String className) : d(std::make_unique<Impl>())
{
    d->className = std::move(className);
    d->widgets = makeWindowWidgets(*this);
    framework::windowCreated(this);
}

Window::~Window()
{
    framework::windowDestroyed(this);
    if (d->deletion != nullptr) {
        QObject::disconnect(d->deletion, nullptr, nullptr, nullptr);
        delete d->deletion;
    }
    for (QEventLoop* loop : d->modalLoops)
        loop->exit(0);
    d->registered.clear();
    d->owned.clear(); // controls take their widgets with them while the content area still exists
    delete d->widgets.frame;
}

void Window::Constructor()
{
    if (d->constructed)
        return;
    d->constructed = true;
    framework::windowOpened(this);

    const auto raise = [this](const char* event, const std::function<void()>& handler) {
        if (!d->closed)
            handleErrors(d->handlerName(event).c_str(), handler);
    };
    raise("Layout", [this] { Layout(); });
    raise("CreateControls", [this] { CreateControls(); });
    raise("AddMenuHandlers", [this] { AddMenuHandlers(*this); });
    raise("Open", [this] { Event_Open(); });
    if (d->closed)
        return;

    // Keyboard focus moves through the tab stops in TabIndex order.
    std::vector<RectControl*> controls;
    for (Control* control : d->registered)
        if (auto* rect = dynamic_cast<RectControl*>(control))
            if (rect->TabStop() && rect->widget() != nullptr && (rect->widget()->focusPolicy() & Qt::TabFocus))
                controls.push_back(rect);
    std::stable_sort(controls.begin(), controls.end(),
                     [](const RectControl* a, const RectControl* b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1]->widget(), controls[i]->widget());
    if (!controls.empty())
        controls.front()->widget()->setFocus(Qt::TabFocusReason);

    if (d->menuBar != nullptr)
        installMenuBar(d->widgets, *this, *d->menuBar);
    showFrame(d->widgets, d->placement);
}

const String& Window::className() const { return d->className; }

String Window::Title() const { return d->title; }

void Window::setTitle(const String& title)
{
    if (title == d->title && !title.empty())
        return;
    d->title = title;
    d->widgets.frame->setWindowTitle(toQString(title));
}

std::shared_ptr<Picture> Window::Backdrop() const { return d->backdrop; }

void Window::setBackdrop(std::shared_ptr<Picture> picture)
{
    d->backdrop = std::move(picture);
    showBackdrop(d->widgets, d->backdrop.get());
}

std::shared_ptr<platform::MenuBar> Window::MenuBar() const { return d->menuBar; }

void Window::setMenuBar(std::shared_ptr<platform::MenuBar> menuBar) { d->menuBar = std::move(menuBar); }

void Window::ShowModal()
{
    if (d->closed || framework::quitRequested())
        return;
    const std::weak_ptr<bool> alive = d->alive;
    QEventLoop loop;
    d->modalLoops.push_back(&loop);
    framework::loopStarted(&loop);
    loop.exec();
    framework::loopEnded(&loop);
    if (alive.expired())
        return; // closed and already deleted while the loop ran
    auto& loops = d->modalLoops;
    loops.erase(std::remove(loops.begin(), loops.end(), &loop), loops.end());
}

void Window::Close()
{
    if (d->closing)
        return;
    d->closing = true;
    handleErrors(d->handlerName("Close").c_str(), [this] { Event_Close(); });
    d->closed = true;

    for (Control* control : d->registered)
        if (auto* timer = dynamic_cast<Timer*>(control))
            timer->_SetProperties(TimerProperties{0, timer->Period()});
    d->widgets.frame->hide();
    for (QEventLoop* loop : d->modalLoops)
        loop->exit(0);

    // Deleted once control is back in the event loop: the handler that called Close may
    // still be running on this window.
    d->deletion = new QObject;
    QObject::connect(d->deletion, &QObject::destroyed, [this] {
        d->deletion = nullptr;
        delete this;
    });
    d->deletion->deleteLater();

    framework::windowClosed(this);
}

bool Window::isOpen() const { return d->constructed && !d->closed; }
bool Window::isVisible() const { return d->widgets.frame->isVisible(); }

void Window::_SetProperties(const WindowProperties& properties)
{
    d->placement = properties.Placement;
    setTitle(properties.Title);
    applyWindowProperties(d->widgets, properties);
}

void Window::addControl(const String& name, Control* control)
{
    if (control == nullptr)
        throw NilObjectException("cannot register a nil control as " + name);
    control->_setName(name);
    if (auto* rect = dynamic_cast<RectControl*>(control); rect != nullptr && rect->widget() != nullptr)
        rect->widget()->setObjectName(toQString(name));
    d->registered.push_back(control);
}

Control* Window::controlByName(const String& name) const
{
    for (Control* control : d->registered)
        if (control->Name() == name)
            return control;
    return nullptr;
}

Control* Window::controlByNameIndex(const String& name, int index) const
{
    for (Control* control : d->registered)
        if (control->Name() == name && control->Index == index)
            return control;
    return nullptr;
}

void Window::addMenuHandler(const String& itemName, std::function<bool()> handler)
{
    d->menuHandlers[itemName] = std::move(handler);
}

QWidget* Window::contentWidget() const { return d->widgets.content; }

void Window::adopt(std::unique_ptr<Control> control)
{
    control->_setWindow(this);
    d->owned.push_back(std::move(control));
}

Window* _GetImplicitWindow(const String& className)
{
    const auto& open = framework::openWindows();
    for (auto it = open.rbegin(); it != open.rend(); ++it)
        if ((*it)->className() == className)
            return *it;
    return nullptr;
}

// --- from the widgets back to the window ---------------------------------------------------

void WindowHost::mouseDown(Window& window, int x, int y)
{
    if (window.d->closed)
        return;
    handleErrors(window.d->handlerName("MouseDown").c_str(), [&] { window.Event_MouseDown(x, y); });
}

void WindowHost::closeBox(Window& window) { window.Close(); }

bool WindowHost::pressButton(Window& window, bool defaultButton)
{
    for (Control* control : window.d->registered) {
        auto* button = dynamic_cast<PushButton*>(control);
        if (button != nullptr && (defaultButton ? button->isDefault() : button->isCancel())) {
            button->push();
            return true;
        }
    }
    return false;
}

void WindowHost::chooseMenuItem(Window& window, const MenuItemPtr& item)
{
    if (window.d->closed)
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
    return window.d->menuHandlers.count(item.Name) > 0 || dynamic_cast<const QuitMenuItem*>(&item) != nullptr;
}

} // namespace platform
