#pragma once

class QWidget;

namespace platform {

// On X11, stops the server from reporting property changes of the top-level window back to
// the program. The clock renames its window every second; each rename changes two properties
// and the window manager answers with two of its own, and every one of these would wake the
// program twice (Qt's X reader thread, then the main thread) for nothing. A fixed-size window
// needs none of them. Does nothing on other platforms.
void stopPropertyChangeEvents(QWidget* topLevel);

} // namespace platform
