#include "platform/AudioEngine.h"

#include <QCoreApplication>
#include <QThread>
#include <QtGlobal>

#include <SDL.h>
#include <SDL_mixer.h>

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <utility>

namespace platform {

namespace {

constexpr int kFrequency = 44100;
constexpr Uint16 kSampleFormat = AUDIO_S16SYS;
constexpr int kStereo = 2;
constexpr int kBufferFrames = 1024;
constexpr int kCloseGraceMs = 500;
// Playbacks mixed at once. One started while this many play is not started: on top of them it
// would not be heard, and a catalogue naming a minute thousands of times would otherwise take
// the audio thread's time and the mixer's memory without end.
constexpr int kMostPlaybacks = 256;

// Read by SDL's audio thread, which may not touch the engine itself.
std::atomic<AudioEngine*> callbackTarget{nullptr};
std::atomic<int> callbackSession{0};

struct SavedVariable {
    const char* name;
    std::optional<QByteArray> value;
};

void restore(const SavedVariable& variable)
{
    if (variable.value)
        qputenv(variable.name, *variable.value);
    else
        qunsetenv(variable.name);
}

SavedVariable save(const char* name)
{
    if (qEnvironmentVariableIsSet(name))
        return {name, qgetenv(name)};
    return {name, std::nullopt};
}

// The environment as the process started, so that an empty driver choice gives it back.
const SavedVariable& originalDriver()
{
    static const SavedVariable saved = save("SDL_AUDIODRIVER");
    return saved;
}

const SavedVariable& originalDiskFile()
{
    static const SavedVariable saved = save("SDL_DISKAUDIOFILE");
    return saved;
}

// The file at the path as it is now: the same path holding other content gives another key.
std::optional<std::string> fileIdentity(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return path + '\0' + std::to_string(status.st_dev) + ':' + std::to_string(status.st_ino) + ':'
           + std::to_string(status.st_size) + ':' + std::to_string(status.st_mtim.tv_sec) + '.'
           + std::to_string(status.st_mtim.tv_nsec);
}

} // namespace

DecodedAudio::DecodedAudio(Mix_Chunk* chunk, int deviceSession)
    : chunk_(chunk), deviceSession_(deviceSession)
{
}

DecodedAudio::~DecodedAudio()
{
    AudioEngine::instance().release(chunk_);
}

AudioEngine& AudioEngine::instance()
{
    // Never destroyed: the audio thread's callback may reach it until the device closes,
    // which can be as late as the application object's end.
    static AudioEngine* const engine = new AudioEngine;
    return *engine;
}

AudioEngine::AudioEngine()
{
    closeTimer_.setSingleShot(true);
    closeTimer_.setInterval(kCloseGraceMs);
    connect(&closeTimer_, &QTimer::timeout, this, &AudioEngine::closeIfStillUnused);
}

void AudioEngine::setOutput(const std::string& driver, const std::string& file)
{
    originalDriver();
    originalDiskFile();
    driver_ = driver;
    diskFile_ = file;
    outputChosen_ = true;
}

std::shared_ptr<DecodedAudio> AudioEngine::decode(const std::string& nativePath)
{
    if (!openDevice())
        return nullptr;
    const std::optional<std::string> identity = fileIdentity(nativePath);
    if (identity) {
        const auto found = decodedFiles_.find(*identity);
        if (found != decodedFiles_.end()) {
            std::shared_ptr<DecodedAudio> held = found->second.lock();
            if (held && held->deviceSession() == deviceSession_)
                return held;
        }
    }
    // The stream is closed here rather than by SDL2_mixer, which leaves it open (a file
    // descriptor lost) when a file is too short to tell its format.
    SDL_RWops* stream = SDL_RWFromFile(nativePath.c_str(), "rb");
    Mix_Chunk* chunk = stream ? Mix_LoadWAV_RW(stream, 0) : nullptr;
    if (stream)
        SDL_RWclose(stream);
    // A chunk without samples would never report its end, keeping the device open for good.
    if (chunk && chunk->alen == 0) {
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    if (!chunk) {
        closeWhenUnused();
        return nullptr;
    }
    ++decodedHeld_;
    auto audio = std::make_shared<DecodedAudio>(chunk, deviceSession_);
    if (identity) {
        std::erase_if(decodedFiles_, [](const auto& entry) { return entry.second.expired(); });
        decodedFiles_[*identity] = audio;
    }
    return audio;
}

void AudioEngine::play(const std::shared_ptr<DecodedAudio>& audio)
{
    if (!audio || !deviceOpen_ || audio->deviceSession() != deviceSession_)
        return;
    const int channel = freeChannel();
    if (channel < 0)
        return;
    channels_[std::size_t(channel)] = audio;
    ++playbacks_;
    if (Mix_PlayChannel(channel, audio->chunk(), 0) < 0) {
        channels_[std::size_t(channel)].reset();
        --playbacks_;
    }
}

// A channel counts as free only once its end has reached this thread, so a late end report
// can never be taken for the end of a newer playback on the same channel.
int AudioEngine::freeChannel()
{
    for (std::size_t i = 0; i < channels_.size(); ++i) {
        if (!channels_[i])
            return int(i);
    }
    const int had = int(channels_.size());
    if (had >= kMostPlaybacks)
        return -1;
    const int now = Mix_AllocateChannels(std::min(had > 0 ? had * 2 : 8, kMostPlaybacks));
    if (now <= had)
        return -1;
    channels_.resize(std::size_t(now));
    return had;
}

void AudioEngine::onChannelFinished(int channel)
{
    AudioEngine* engine = callbackTarget.load();
    if (!engine)
        return;
    const int session = callbackSession.load();
    QMetaObject::invokeMethod(
        engine,
        [engine, channel, session] {
            if (session == engine->deviceSession_)
                engine->channelFinished(channel);
        },
        Qt::QueuedConnection);
}

void AudioEngine::channelFinished(int channel)
{
    if (channel < 0 || std::size_t(channel) >= channels_.size() || !channels_[std::size_t(channel)])
        return;
    std::shared_ptr<DecodedAudio> finished = std::move(channels_[std::size_t(channel)]);
    channels_[std::size_t(channel)].reset();
    --playbacks_;
    finished.reset();
    closeWhenUnused();
}

void AudioEngine::release(Mix_Chunk* chunk)
{
    Mix_FreeChunk(chunk);
    --decodedHeld_;
    closeWhenUnused();
}

bool AudioEngine::openDevice()
{
    if (deviceOpen_) {
        closeTimer_.stop();
        return true;
    }
    // The end of each playback is handed to this thread's event loop.
    const QCoreApplication* application = QCoreApplication::instance();
    if (!application || QThread::currentThread() != application->thread()
        || thread() != application->thread())
        return false;

    if (outputChosen_) {
        if (driver_.empty()) {
            restore(originalDriver());
            restore(originalDiskFile());
        } else {
            qputenv("SDL_AUDIODRIVER", QByteArray::fromStdString(driver_));
            if (!diskFile_.empty())
                qputenv("SDL_DISKAUDIOFILE", QByteArray::fromStdString(diskFile_));
        }
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(kFrequency, kSampleFormat, kStereo, kBufferFrames) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }

    deviceOpen_ = true;
    ++deviceSession_;
    channels_.assign(std::size_t(Mix_AllocateChannels(-1)), nullptr);
    callbackSession.store(deviceSession_);
    callbackTarget.store(this);
    Mix_ChannelFinished(&AudioEngine::onChannelFinished);
    if (!closeAtEndRegistered_) {
        qAddPostRoutine(&AudioEngine::closeAtApplicationEnd);
        closeAtEndRegistered_ = true;
    }
    return true;
}

void AudioEngine::closeDevice()
{
    closeTimer_.stop();
    Mix_ChannelFinished(nullptr);
    callbackTarget.store(nullptr);
    Mix_HaltChannel(-1); // something still plays only when the application ends
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    deviceOpen_ = false;
    playbacks_ = 0;
    // Freed only now that the mixer has stopped reading them.
    std::vector<std::shared_ptr<DecodedAudio>> stopped = std::move(channels_);
    channels_.clear();
    stopped.clear();
    decodedFiles_.clear();
    emit deviceClosed();
}

void AudioEngine::closeWhenUnused()
{
    if (deviceOpen_ && playbacks_ == 0 && decodedHeld_ == 0 && !closeTimer_.isActive())
        closeTimer_.start();
}

void AudioEngine::closeIfStillUnused()
{
    if (deviceOpen_ && playbacks_ == 0 && decodedHeld_ == 0)
        closeDevice();
}

void AudioEngine::closeAtApplicationEnd()
{
    AudioEngine& engine = instance();
    engine.closeAtEndRegistered_ = false;
    if (engine.deviceOpen_)
        engine.closeDevice();
}

} // namespace platform
