#pragma once

#include "platform/Strings.h"

namespace platform {

// A keyboard shortcut in the framework's notation ("Cmd+Q", "Shift+Cmd+Z") in the toolkit's
// portable notation ("Ctrl+Q", "Shift+Ctrl+Z"). The Command key is Ctrl here. "" for no
// shortcut, and for a text that names no key or an unknown modifier.
String toolkitShortcut(const String& shortcut);

} // namespace platform
