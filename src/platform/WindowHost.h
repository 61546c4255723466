#pragma once

// The way back from a window's widgets to the Window: its events, its default and cancel
// buttons and its menu handlers. Internal to the platform layer.

#include "platform/Menu.h"

namespace platform {

class Window;

class WindowHost {
public:
    static void mouseDown(Window& window, int x, int y);
    // The window manager's close box: closes the window the ordinary way, never cancelled.
    static void closeBox(Window& window);
    // Presses the window's default (or cancel) button; false when it has none that can be
    // pressed now.
    static bool pressDefaultButton(Window& window);
    static bool pressCancelButton(Window& window);
    // The user chose the item from this window's menu bar.
    static void chooseMenuItem(Window& window, const MenuItemPtr& item);
    // Whether choosing the item does anything in this window (else it may show disabled).
    static bool takesMenuItem(const Window& window, const MenuItem& item);
};

} // namespace platform
