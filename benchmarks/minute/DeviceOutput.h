#pragma once

// Watches the file SDL's "disk" audio driver writes. Each opening of the device empties the
// file, and each buffer the mixer fills (1024 frames, 23 ms) is appended to it at the pace a
// sound card would take it. For every opening this records when each buffer landed and where
// the first sound is, so that the time any frame went out can be told afterwards.

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace bench {

class DeviceOutput {
public:
    struct Write {
        std::int64_t wallNs; // when the write was seen
        std::int64_t endByte; // the file's length after it
    };
    struct Opening {
        std::vector<Write> writes;
        std::optional<std::int64_t> firstSoundByte; // the first byte of a frame that is not silence
        // When the frame at `byte` went out: the first write that reached past it.
        std::optional<std::int64_t> wallNsOf(std::int64_t byte) const;
    };

    explicit DeviceOutput(std::string file);
    ~DeviceOutput();
    DeviceOutput(const DeviceOutput&) = delete;
    DeviceOutput& operator=(const DeviceOutput&) = delete;

    std::vector<Opening> openings() const;

private:
    void watch(int notifications);
    void look(bool newOpening);

    std::string file_;
    int stopPipe_[2] = {-1, -1};
    int reader_ = -1;
    std::int64_t readUpTo_ = 0;
    mutable std::mutex mutex_;
    std::vector<Opening> openings_;
    std::thread thread_;
};

std::int64_t wallNs();

} // namespace bench
