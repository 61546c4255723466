#pragma once

// What the platform tells the X server about its top-level windows itself, past the toolkit,
// where the toolkit's way costs the idle clock most of its second. Neither does anything where
// the program is not on X11.

#include "platform/Strings.h"

class QWidget;

namespace platform::x11 {

// Stops the server from reporting property changes of the shown top-level window back to the
// program. The clock renames its window every second; each rename changes two properties and
// the window manager answers with two of its own, and every one of these would wake the
// program twice (the toolkit's X reader thread, then the main thread) for nothing. A
// fixed-size window needs none of them.
void stopPropertyChangeEvents(QWidget* frame);

// Renames the shown top-level window in one write to the server: _NET_WM_NAME for today's
// window managers, WM_NAME for the others. The toolkit's renaming also tells its widget tree,
// converts the title to the locale's encoding through Xlib and writes twice, several times
// the cost of the clock's whole idle tick. Only for a title of printable ASCII (the clock's
// "hh:mm:ss"), and only once the window exists on the server; false otherwise, and the
// caller renames through the toolkit. The toolkit keeps the title it was last given, which
// it shows again only if it makes the window anew.
bool setTitle(QWidget* frame, const String& title);

} // namespace platform::x11
