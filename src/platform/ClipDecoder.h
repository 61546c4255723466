#pragma once

// Decoding a sound file into the open mixer's format, bounded in time and memory.
//
// A clip keeps at most kLongestClipSeconds of samples (5 minutes: 53 MB at 44.1 kHz, 16-bit
// stereo); a longer file plays its first 5 minutes. Capped because a whole 2-hour clip held
// 2.4 GiB and took seconds to decode. Only as much of the file is read as
// those take: the first part is sized from the length the file states, and should it state
// too short a length (MP3 files joined end to end keep the first one's), each further part
// from the rate of samples per byte seen so far, so that decoding never holds much more
// than the cap. A file whose length cannot be told is decoded the same way.

#include <sys/stat.h>

#include <memory>
#include <string>

struct Mix_Chunk;

namespace platform {

constexpr int kLongestClipSeconds = 5 * 60;

// A sound file opened for reading, only when it is a regular file: a pipe or a device is
// never read. Opened where the sound is asked for, so that the file may be renamed or
// removed before it is decoded; read on the audio thread.
class ClipFile {
public:
    // Nil when the path is no regular file or cannot be opened.
    static std::unique_ptr<ClipFile> open(const std::string& nativePath);
    ~ClipFile();
    ClipFile(const ClipFile&) = delete;
    ClipFile& operator=(const ClipFile&) = delete;

    // The file as it is now: the same path holding other content gives another identity.
    std::string identity() const;

private:
    ClipFile(std::string path, int fd, const struct stat& status);
    friend Mix_Chunk* decodeClip(const ClipFile& file);

    std::string path_;
    int fd_;
    struct stat status_;
};

// Nil when the file holds no sound SDL2_mixer reads, or decodes to nothing. On the audio
// thread, with the mixer open.
Mix_Chunk* decodeClip(const ClipFile& file);

} // namespace platform
