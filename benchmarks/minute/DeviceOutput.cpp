#include "DeviceOutput.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace bench {

std::int64_t wallNs()
{
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    return std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

std::optional<std::int64_t> DeviceOutput::Opening::wallNsOf(std::int64_t byte) const
{
    for (const Write& write : writes) {
        if (write.endByte > byte)
            return write.wallNs;
    }
    return std::nullopt;
}

DeviceOutput::DeviceOutput(std::string file) : file_(std::move(file))
{
    const std::string folder = file_.substr(0, file_.rfind('/'));
    const int notifications = inotify_init1(IN_CLOEXEC);
    if (notifications < 0 || pipe(stopPipe_) != 0
        || inotify_add_watch(notifications, folder.c_str(), IN_MODIFY | IN_CLOSE_WRITE) < 0) {
        std::perror("watching the audio output");
        std::exit(1);
    }
    thread_ = std::thread([this, notifications] { watch(notifications); });
}

DeviceOutput::~DeviceOutput()
{
    const char stop = 1;
    if (write(stopPipe_[1], &stop, 1) != 1)
        std::perror("stopping the audio output watch");
    thread_.join();
    close(stopPipe_[0]);
    close(stopPipe_[1]);
    if (reader_ >= 0)
        close(reader_);
}

std::vector<DeviceOutput::Opening> DeviceOutput::openings() const
{
    std::lock_guard lock(mutex_);
    return openings_;
}

void DeviceOutput::watch(int notifications)
{
    const std::string name = file_.substr(file_.rfind('/') + 1);
    bool closed = true; // the next write starts a new opening
    alignas(inotify_event) std::array<char, 16384> buffer {};
    for (;;) {
        pollfd waits[2] = {{notifications, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
        if (poll(waits, 2, -1) < 0 || (waits[1].revents & POLLIN))
            break;
        const ssize_t length = read(notifications, buffer.data(), buffer.size());
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if (event->len == 0 || name != event->name)
                continue;
            if (event->mask & IN_MODIFY) {
                look(closed);
                closed = false;
            }
            if (event->mask & IN_CLOSE_WRITE)
                closed = true;
        }
    }
    close(notifications);
}

void DeviceOutput::look(bool newOpening)
{
    const std::int64_t now = wallNs();
    if (reader_ < 0)
        reader_ = open(file_.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (reader_ < 0 || fstat(reader_, &status) != 0)
        return;
    std::lock_guard lock(mutex_);
    if (newOpening || openings_.empty()) {
        openings_.emplace_back();
        readUpTo_ = 0;
    }
    Opening& opening = openings_.back();
    const std::int64_t size = status.st_size;
    if (size == 0)
        return; // emptied as the device opened
    if (!opening.writes.empty() && size <= opening.writes.back().endByte)
        return;
    opening.writes.push_back({now, size});
    // Look for the first sound among the bytes written since.
    std::array<std::int16_t, 8192> samples {};
    while (!opening.firstSoundByte && readUpTo_ < size) {
        const ssize_t got = pread(reader_, samples.data(), std::min<std::int64_t>(sizeof samples, size - readUpTo_), readUpTo_);
        if (got <= 0)
            break;
        const std::size_t count = std::size_t(got) / sizeof(std::int16_t);
        const auto sound = std::find_if(samples.begin(), samples.begin() + std::ptrdiff_t(count), [](std::int16_t s) { return s != 0; });
        if (sound != samples.begin() + std::ptrdiff_t(count)) {
            const std::int64_t byte = readUpTo_ + std::int64_t(sound - samples.begin()) * 2;
            opening.firstSoundByte = byte / 4 * 4; // the frame's first byte
        }
        readUpTo_ += std::int64_t(count * sizeof(std::int16_t));
    }
}

} // namespace bench
