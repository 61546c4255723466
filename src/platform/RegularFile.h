#pragma once

// Internal to the platform layer.

#include <string>

#include <sys/stat.h>

namespace platform {

// A descriptor open for reading on the file, only when it is a regular file (after following
// links); -1 otherwise. A named pipe, a device or a socket is never opened for reading: opening
// a pipe waits for a writer, and a device such as /dev/zero never ends. The type is tested on
// the opened file itself, so nothing can be swapped in between the test and the read. The
// descriptor is non-blocking, which changes nothing for a regular file. `status` receives the
// file's status.
int openRegularFile(const std::string& nativePath, struct stat& status);

} // namespace platform
