#include "platform/Window.h"

#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Exceptions.h"
#include "platform/FrameworkState.h"
#include "platform/Menu.h"
#include "platform/MenuBarView.h"
#include "platform/WindowImpl.h"

#include <QApplication>
#include <QEventLoop>
#include <QMenuBar>
#include <QWidget>

#include <algorithm>

namespace platform {

namespace {

QString titleText(const String& title)
{
    // "[*]" is the toolkit's placeholder for a modified mark; "[*][*]" shows it literally.
    return toQString(title).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

} // namespace

Window::Window(String className) : d(std::make_unique<Impl>())
{
    if (QApplication::instance() == nullptr)
        RuntimeInit();
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
    std::vector<QWidget*> chain;
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

    refreshMenuBarWidget(d->menuBarWidget);
    if (d->properties.Visible)
        showFrame(d->widgets, d->properties.Placement);
}

const String& Window::className() const { return d->className; }

String Window::Title() const { return d->title; }

void Window::setTitle(const String& title)
{
    d->title = title;
    d->widgets.frame->setWindowTitle(titleText(title));
}

std::shared_ptr<Picture> Window::Backdrop() const { return d->backdrop; }

void Window::setBackdrop(std::shared_ptr<Picture> picture)
{
    d->backdrop = std::move(picture);
    showBackdrop(d->widgets, d->backdrop.get());
}

std::shared_ptr<platform::MenuBar> Window::MenuBar() const { return d->menuBar; }

void Window::setMenuBar(std::shared_ptr<platform::MenuBar> menuBar)
{
    d->menuBar = std::move(menuBar);
    d->menuBarWidget = d->menuBar != nullptr ? makeMenuBarWidget(*this, *d->menuBar) : nullptr;
    installMenuBarWidget(d->widgets, d->menuBarWidget, d->properties.MenuBarVisible);
}

void Window::ShowModal()
{
    if (d->closed || framework::quitRequested())
        return;
    QWidget* frame = d->widgets.frame;
    if (frame->windowModality() != Qt::ApplicationModal) {
        frame->hide();
        frame->setWindowModality(Qt::ApplicationModal);
    }
    if (!frame->isVisible())
        showFrame(d->widgets, d->properties.Placement);

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
    d->properties = properties;
    setTitle(properties.Title);
    applyWindowProperties(d->widgets, properties);
    if (d->constructed && !d->closed && properties.Visible && !d->widgets.frame->isVisible())
        showFrame(d->widgets, properties.Placement);
    if (!properties.Visible)
        d->widgets.frame->hide();
}

void Window::addControl(const String& name, Control* control)
{
    if (control == nullptr)
        throw NilObjectException("cannot register a nil control as " + name);
    control->_setName(name);
    if (auto* rect = dynamic_cast<RectControl*>(control); rect != nullptr && rect->widget() != nullptr)
        rect->widget()->setObjectName(toQString(name));
    if (control->Window() == nullptr)
        control->_setWindow(this);
    auto& registered = d->registered;
    if (std::find(registered.begin(), registered.end(), control) == registered.end())
        registered.push_back(control);
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
    refreshMenuBarWidget(d->menuBarWidget);
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

} // namespace platform
