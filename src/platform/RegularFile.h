#pragma once

#include "platform/Strings.h"

#include <memory>

class QFile;

namespace platform {

// Opens the file for reading only when it is a regular file (after following links); nil
// otherwise. A named pipe, a device or a socket is never opened for reading: opening a pipe
// waits for a writer, and a device such as /dev/zero never ends. The type is tested on the
// opened file itself, so nothing can be swapped in between the test and the read.
std::unique_ptr<QFile> openRegularFile(const String& nativePath);

} // namespace platform
