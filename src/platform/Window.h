#pragma once

#include "platform/Strings.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace platform {

class Control;
class MenuBar;
class Picture;

struct Color {
    std::uint8_t red = 0, green = 0, blue = 0;
};

// A window's designer properties, applied by Window::_SetProperties. What takes effect: the
// content area's fixed Width and Height below the menu bar, Frame (0 a document window, 1 a
// modal dialog), Placement (0 where the system puts it, 1 centred over the window in front),
// Title and CloseButton. The other entries are the designer's record of defaults the window
// has anyway: it is visible, not resizable, without back colour, zoom or minimise buttons.
struct WindowProperties {
    int Placement = 0;
    int Width = 0, Height = 0;
    int MinWidth = 64, MinHeight = 64, MaxWidth = 32000, MaxHeight = 32000;
    int Frame = 0;
    bool Composite = false;
    bool HasBackColor = false;
    Color BackColor{255, 255, 255};
    String Title;
    bool Visible = true;
    bool FullScreen = false;
    bool MenuBarVisible = true;
    bool CloseButton = true;
    bool Resizeable = false;
    bool LiveResize = false;
    bool MaximizeButton = false;
    bool MinimizeButton = false;
    int MacProcID = 0;
};

// A top-level window. Subclasses answer the construction events and their own events by
// overriding the virtual handlers; the framework calls each of them under handleErrors.
//
// Lifetime: a window is made with `new` by its implicit-instance accessor and from then on is
// held by the framework. It is its class's implicit instance from Constructor() on, while its
// construction events run, until it has closed; after closing it is deleted once control has
// returned to the event loop, so a handler may still use `this` after calling Close().
class Window {
public:
    explicit Window(String className);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The framework's window constructor: raises Layout, CreateControls, AddMenuHandlers and
    // Open in this order, puts the controls in the focus chain by TabIndex, shows the menu
    // bar with the items something takes in this window enabled, then shows the window.
    void Constructor();

    const String& className() const;

    String Title() const;
    void setTitle(const String& title);

    // The picture drawn unscaled at the top left of the content area; nil draws nothing.
    std::shared_ptr<Picture> Backdrop() const;
    void setBackdrop(std::shared_ptr<Picture> picture);

    // The bar shown above the content area; set it before Constructor() shows the window.
    std::shared_ptr<platform::MenuBar> MenuBar() const;
    void setMenuBar(std::shared_ptr<platform::MenuBar> menuBar);

    // Runs the event loop until the window has closed (or the application quits). A dialog
    // (Frame 1) is shown and modal from Constructor() on.
    void ShowModal();
    // Raises the Close event, then closes the window; closing is never cancelled.
    void Close();
    bool isOpen() const;
    bool isVisible() const;

    void _SetProperties(const WindowProperties& properties);

    // A new control of class C owned by this window, not yet constructed or registered.
    template <typename C>
    C* newControl()
    {
        auto control = std::make_unique<C>();
        C* raw = control.get();
        adopt(std::move(control));
        return raw;
    }
    // Registers a control under its name; an array member joins the array under its Index.
    void addControl(const String& name, Control* control);
    // The control registered under the name (or the array member with that index); nil when
    // there is none.
    Control* controlByName(const String& name) const;
    Control* controlByNameIndex(const String& name, int index) const;

    // Binds, for this window, the menu item of that name to a handler; true means handled.
    // Bound in AddMenuHandlers, before the bar is shown.
    void addMenuHandler(const String& itemName, std::function<bool()> handler);

    // For the platform's controls: the widget that holds the content area.
    QWidget* contentWidget() const;

protected:
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(Window& window) { (void)window; }
    virtual void Event_Open() {}
    virtual void Event_Close() {}
    virtual bool Event_MouseDown(int x, int y)
    {
        (void)x;
        (void)y;
        return false;
    }

private:
    friend class WindowHost;
    void adopt(std::unique_ptr<Control> control);

    struct Impl;
    std::unique_ptr<Impl> d;
};

// The open window of that class (one under construction included), or nil.
Window* _GetImplicitWindow(const String& className);

// The implicit-instance accessor: the open window of class W, or a new one, constructed.
template <typename W>
W* implicitWindow(const char* className)
{
    if (Window* open = _GetImplicitWindow(className))
        return static_cast<W*>(open);
    auto* window = new W; // held by the framework from here on
    window->Constructor();
    return window;
}

} // namespace platform
