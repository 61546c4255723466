#pragma once

// A menu tree rendered as the toolkit's menu bar of one window.

#include "platform/Menu.h"

class QMenuBar;

namespace platform {

class Window;

// Menus and entries in append order; "-" is a separator; shortcuts in the toolkit's notation.
// Choosing an entry goes to WindowHost::chooseMenuItem for `window`.
QMenuBar* makeMenuBarWidget(Window& window, const MenuItem& bar);
// Enables the entries that something takes now (after a handler was bound).
void refreshMenuBarWidget(QMenuBar* widget);

} // namespace platform
