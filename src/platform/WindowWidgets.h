#pragma once

// The toolkit widgets of a Window, internal to the platform layer: a top-level frame holding
// the menu bar and, below it, the content area in which controls stand and the backdrop is
// drawn. WindowHost is their way back to the Window.

#include "platform/Menu.h"

class QWidget;

namespace platform {

class Picture;
class Window;
struct WindowProperties;

struct WindowWidgets {
    QWidget* frame = nullptr;   // top level; owns everything below
    QWidget* content = nullptr;
};

WindowWidgets makeWindowWidgets(Window& window);
// The frame kind, modality, title buttons and the fixed size of the content area.
void applyWindowProperties(const WindowWidgets& widgets, const WindowProperties& properties);
void showBackdrop(const WindowWidgets& widgets, const Picture* picture);
// Puts the bar's menus above the content area. "-" is a separator; an entry shows enabled when
// something takes it in `window` (WindowHost::takesMenuItem) and goes to chooseMenuItem.
void installMenuBar(const WindowWidgets& widgets, Window& window, const MenuItem& bar);
// Places the frame as the Placement property says and shows it.
void showFrame(const WindowWidgets& widgets, int placement);

class WindowHost {
public:
    static void mouseDown(Window& window, int x, int y);
    // The window manager's close box: closes the window the ordinary way, never cancelled.
    static void closeBox(Window& window);
    // Presses the window's default (or cancel) button; false when it has none.
    static bool pressButton(Window& window, bool defaultButton);
    // The user chose the item from this window's menu bar.
    static void chooseMenuItem(Window& window, const MenuItemPtr& item);
    // Whether choosing the item does anything in this window.
    static bool takesMenuItem(const Window& window, const MenuItem& item);
};

} // namespace platform
