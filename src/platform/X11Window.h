#pragma once

// What the platform tells the X server about its top-level windows past the toolkit. Does
// nothing where the program is not on X11.

class QWidget;

namespace platform::x11 {

// Stops the server from reporting property changes of the shown top-level window back to the
// program. Kept because it pays: the clock renames its window every second, which changes two
// properties, and the window manager answers with two of its own; each of these woke the
// toolkit's X reader thread and then the main thread, about 11 wake-ups a second instead of 2.
//
// What the toolkit then no longer follows: WM_STATE and _NET_WM_STATE (its record of whether
// the window is minimised, maximised or full-screen) and _NET_FRAME_EXTENTS (the frame's
// margins). Nothing depends on either. Minimising and restoring still work, since they unmap
// and map the window and the server sends Expose on its return, and the toolkit repaints on
// those (the photo comes back). A dialog is still centred over a moved window, since the
// window's place comes from ConfigureNotify, and the frame of a fixed-size window keeps the
// margins the toolkit read when it first needed them.
void stopPropertyChangeEvents(QWidget* frame);

} // namespace platform::x11
