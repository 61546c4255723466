#include "support/AudioCapture.h"

#include "platform/ClipDecoder.h"
#include "platform/Testing.h"

#include <QFile>
#include <QtGlobal>

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <optional>

namespace vemra::test {

namespace {

// Sets an environment variable for as long as it lives.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QByteArray& value) : name_(name)
    {
        if (qEnvironmentVariableIsSet(name))
            previous_ = qgetenv(name);
        qputenv(name, value);
    }
    ~ScopedVariable()
    {
        if (previous_)
            qputenv(name_, *previous_);
        else
            qunsetenv(name_);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<QByteArray> previous_;
};

using Decoder = Mix_Chunk* (*)(const QString& path);

// The whole file, as SDL2_mixer decodes it.
Mix_Chunk* decodeWhole(const QString& path)
{
    // Closed here: SDL2_mixer leaves the stream open for files too short to identify.
    SDL_RWops* stream = SDL_RWFromFile(QFile::encodeName(path).constData(), "rb");
    Mix_Chunk* chunk = stream ? Mix_LoadWAV_RW(stream, 0) : nullptr;
    if (stream)
        SDL_RWclose(stream);
    return chunk;
}

Mix_Chunk* decodeAsThePlatform(const QString& path)
{
    const std::unique_ptr<platform::ClipFile> file = platform::ClipFile::open(QFile::encodeName(path).toStdString());
    return file ? platform::decodeClip(*file) : nullptr;
}

// The same format the platform asks of its device, so that SDL2_mixer converts identically.
std::vector<std::int16_t> decodeAsTheDeviceDoes(const QString& path, Decoder decoder)
{
    std::vector<std::int16_t> samples;
    if (!platform::testing::waitForAudioIdle(30000))
        ADD_FAILURE() << "the platform's audio device stayed open; decoding " << path.toStdString();
    const ScopedVariable driver("SDL_AUDIODRIVER", "disk");
    const ScopedVariable file("SDL_DISKAUDIOFILE", "/dev/null");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        ADD_FAILURE() << "no audio subsystem for decoding: " << SDL_GetError();
        return samples;
    }
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0) {
        int frequency = 0;
        Uint16 format = 0;
        int channels = 0;
        Mix_QuerySpec(&frequency, &format, &channels);
        EXPECT_TRUE(frequency == 44100 && format == AUDIO_S16SYS && channels == 2);
        if (Mix_Chunk* chunk = decoder(path)) {
            samples.resize(chunk->alen / sizeof(std::int16_t));
            std::memcpy(samples.data(), chunk->abuf, samples.size() * sizeof(std::int16_t));
            Mix_FreeChunk(chunk);
        }
        Mix_CloseAudio();
    } else {
        ADD_FAILURE() << "no audio device for decoding: " << Mix_GetError();
    }
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return samples;
}

} // namespace

const Clip& Clip::decode(const QString& path)
{
    static std::map<QString, Clip> decoded;
    const auto found = decoded.find(path);
    if (found != decoded.end())
        return found->second;
    Clip clip;
    clip.samples_ = decodeAsTheDeviceDoes(path, &decodeWhole);
    return decoded.emplace(path, std::move(clip)).first->second;
}

Clip Clip::decodeAsThePlatformKeeps(const QString& path)
{
    Clip clip;
    clip.samples_ = decodeAsTheDeviceDoes(path, &decodeAsThePlatform);
    return clip;
}

} // namespace vemra::test
