#include "platform/ClipDecoder.h"

#include "platform/RegularFile.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <utility>

namespace platform {

namespace {

// The cap in bytes of the mixer's format.
std::int64_t capBytes()
{
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) == 0)
        return 0;
    const std::int64_t frameBytes = std::int64_t(SDL_AUDIO_BITSIZE(format) / 8) * channels;
    return std::int64_t(kLongestClipSeconds) * frequency * frameBytes;
}

// The most samples one byte of a file commonly gives: an 8 kbit/s MP3 (1000 bytes a second)
// brings 44100 stereo 16-bit frames. The first part read is never larger than what gives the
// cap at this rate, whatever length the file states.
constexpr std::int64_t kMostOutputPerInputByte = 44100 * 4 / 1000;

// The first `limit` bytes of an open file, as an SDL stream. Closed by its owner, never by
// SDL2_mixer (which leaves a stream open when it cannot tell the format of a short file).
class FilePrefix {
public:
    FilePrefix(int fd, std::int64_t limit) : fd_(fd), limit_(limit)
    {
        stream_ = SDL_AllocRW();
        if (!stream_)
            return;
        stream_->size = &FilePrefix::size;
        stream_->seek = &FilePrefix::seek;
        stream_->read = &FilePrefix::read;
        stream_->write = &FilePrefix::write;
        stream_->close = &FilePrefix::close;
        stream_->type = SDL_RWOPS_UNKNOWN;
        stream_->hidden.unknown.data1 = this;
    }
    ~FilePrefix()
    {
        if (stream_)
            SDL_FreeRW(stream_);
    }
    FilePrefix(const FilePrefix&) = delete;
    FilePrefix& operator=(const FilePrefix&) = delete;

    SDL_RWops* stream() const { return stream_; }

private:
    static FilePrefix& of(SDL_RWops* stream) { return *static_cast<FilePrefix*>(stream->hidden.unknown.data1); }

    static Sint64 size(SDL_RWops* stream) { return of(stream).limit_; }

    static Sint64 seek(SDL_RWops* stream, Sint64 offset, int whence)
    {
        FilePrefix& self = of(stream);
        Sint64 base = 0;
        if (whence == RW_SEEK_CUR)
            base = self.position_;
        else if (whence == RW_SEEK_END)
            base = self.limit_;
        else if (whence != RW_SEEK_SET)
            return SDL_SetError("bad seek");
        const Sint64 position = base + offset;
        if (position < 0)
            return SDL_SetError("seek before the start");
        self.position_ = std::min<Sint64>(position, self.limit_);
        return self.position_;
    }

    static size_t read(SDL_RWops* stream, void* buffer, size_t size, size_t count)
    {
        FilePrefix& self = of(stream);
        if (size == 0 || count == 0)
            return 0;
        const std::int64_t left = self.limit_ - self.position_;
        const size_t wanted = std::min<size_t>(count, left > 0 ? size_t(left) / size : 0);
        size_t got = 0;
        char* bytes = static_cast<char*>(buffer);
        while (got < wanted * size) {
            const ssize_t n = ::pread(self.fd_, bytes + got, wanted * size - got, off_t(self.position_) + off_t(got));
            if (n <= 0)
                break;
            got += size_t(n);
        }
        self.position_ += std::int64_t(got / size * size);
        return got / size;
    }

    static size_t write(SDL_RWops*, const void*, size_t, size_t) { return 0; }
    static int close(SDL_RWops*) { return 0; } // the owner frees it

    int fd_;
    std::int64_t limit_;
    std::int64_t position_ = 0;
    SDL_RWops* stream_ = nullptr;
};

// The file's stated length in seconds; negative when it cannot be told.
double statedSeconds(int fd, std::int64_t fileSize)
{
    FilePrefix whole(fd, fileSize);
    if (!whole.stream())
        return -1;
    Mix_Music* music = Mix_LoadMUS_RW(whole.stream(), 0);
    if (!music)
        return -1;
    const double seconds = Mix_MusicDuration(music);
    Mix_FreeMusic(music);
    return seconds;
}

Mix_Chunk* decodePrefix(int fd, std::int64_t bytes)
{
    FilePrefix prefix(fd, bytes);
    if (!prefix.stream())
        return nullptr;
    return Mix_LoadWAV_RW(prefix.stream(), 0);
}

// Keeps the first `bytes` of the samples, giving the rest back.
void cut(Mix_Chunk* chunk, std::int64_t bytes)
{
    if (chunk->allocated == 1) {
        if (void* smaller = SDL_realloc(chunk->abuf, size_t(bytes)))
            chunk->abuf = static_cast<Uint8*>(smaller);
    }
    chunk->alen = Uint32(bytes);
}

Mix_Chunk* decodeOpenFile(int fd, std::int64_t fileSize)
{
    const std::int64_t cap = capBytes();
    if (fileSize <= 0 || cap <= 0)
        return nullptr;
    // The first part: the share of the file that its stated length puts at the cap, and
    // never more than the cap's worth at the highest common rate (with a tenth to spare, so
    // that such a file is read once).
    std::int64_t part = std::min(fileSize, cap / kMostOutputPerInputByte * 11 / 10);
    const double seconds = statedSeconds(fd, fileSize);
    if (seconds > kLongestClipSeconds)
        part = std::min(part, std::int64_t(double(fileSize) * kLongestClipSeconds / seconds * 1.02) + 4096);

    for (;;) {
        Mix_Chunk* chunk = decodePrefix(fd, part);
        if (chunk && std::int64_t(chunk->alen) >= cap) {
            cut(chunk, cap);
            return chunk;
        }
        if (part >= fileSize)
            return chunk;
        // More of the file is left and the cap is not reached: read again, a part that holds
        // the cap at the rate just seen (a part that gave nothing, say all tag, grows fourfold).
        double next = double(part) * 4;
        if (chunk && chunk->alen > 0)
            next = std::max(double(part) * 1.1, double(part) * double(cap) / double(chunk->alen) * 1.1);
        if (chunk)
            Mix_FreeChunk(chunk);
        part = std::int64_t(std::min(next, double(fileSize)));
    }
}

} // namespace

std::unique_ptr<ClipFile> ClipFile::open(const std::string& nativePath)
{
    struct stat status {};
    const int fd = openRegularFile(nativePath, status);
    if (fd < 0)
        return nullptr;
    return std::unique_ptr<ClipFile>(new ClipFile(nativePath, fd, status));
}

ClipFile::ClipFile(std::string path, int fd, const struct stat& status)
    : path_(std::move(path)), fd_(fd), status_(status)
{
}

ClipFile::~ClipFile()
{
    ::close(fd_);
}

std::string ClipFile::identity() const
{
    return path_ + '\0' + std::to_string(status_.st_dev) + ':' + std::to_string(status_.st_ino) + ':'
           + std::to_string(status_.st_size) + ':' + std::to_string(status_.st_mtim.tv_sec) + '.'
           + std::to_string(status_.st_mtim.tv_nsec);
}

Mix_Chunk* decodeClip(const ClipFile& file)
{
    Mix_Chunk* chunk = decodeOpenFile(file.fd_, std::int64_t(file.status_.st_size));
    // A chunk without samples would never report its end.
    if (chunk && chunk->alen == 0) {
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    return chunk;
}

} // namespace platform
