#pragma once

// The toolkit widgets of a window: a top-level frame holding an optional menu bar and, below
// it, the content area in which controls stand and the backdrop is drawn.

class QMenuBar;
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
void applyWindowProperties(const WindowWidgets& widgets, const WindowProperties& properties);
// Puts the bar above the content area (nil removes it). The previous bar is deleted later.
void installMenuBarWidget(const WindowWidgets& widgets, QMenuBar* bar, bool visible);
void showBackdrop(const WindowWidgets& widgets, const Picture* picture);
// Places the frame as the Placement property says and shows it.
void showFrame(const WindowWidgets& widgets, int placement);

} // namespace platform
