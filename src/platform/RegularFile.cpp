#include "platform/RegularFile.h"

#include <fcntl.h>
#include <unistd.h>

namespace platform {

int openRegularFile(const std::string& nativePath, struct stat& status)
{
    if (nativePath.empty())
        return -1;
    const int fd = ::open(nativePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace platform
