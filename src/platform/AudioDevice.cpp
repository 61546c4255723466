#include "platform/AudioDevice.h"

#include "platform/ClipDecoder.h"
#include "platform/DecodedAudio.h"

#include <QByteArray>
#include <QtGlobal>

#include <SDL.h>
#include <SDL_mixer.h>

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
constexpr auto kCloseGrace = std::chrono::milliseconds(500);
// Channels the mixer may grow to: the GUI thread never lets more playbacks than this run.
constexpr int kMostChannels = 256;

// Read by SDL's audio thread, which reaches the device only through the queue.
std::atomic<AudioDevice*> callbackTarget{nullptr};
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

const SavedVariable& startingDriver()
{
    static const SavedVariable saved = save("SDL_AUDIODRIVER");
    return saved;
}

const SavedVariable& startingDiskFile()
{
    static const SavedVariable saved = save("SDL_DISKAUDIOFILE");
    return saved;
}

// SDL reads its driver choice from the environment when the subsystem starts. Set here, on
// the one thread that calls SDL; Qt guards its own reads of the environment.
void chooseOutput(const AudioDevice::Output& output)
{
    if (!output.chosen)
        return;
    if (output.driver.empty()) {
        restore(startingDriver());
        restore(startingDiskFile());
        return;
    }
    qputenv("SDL_AUDIODRIVER", QByteArray::fromStdString(output.driver));
    if (!output.file.empty())
        qputenv("SDL_DISKAUDIOFILE", QByteArray::fromStdString(output.file));
}

} // namespace

void AudioDevice::rememberStartingOutput()
{
    startingDriver();
    startingDiskFile();
}

void AudioDevice::decode(DecodedAudio& audio, const ClipFile& file, const Output& output)
{
    used();
    if (!open(output))
        return;
    if (Mix_Chunk* chunk = decodeClip(file)) {
        audio.setSamples(chunk, session_);
        ++samplesHeld_;
    }
}

void AudioDevice::play(const std::shared_ptr<DecodedAudio>& audio, std::function<void()> ended)
{
    used();
    if (!open_ || !audio->chunk() || audio->deviceSession() != session_) {
        ended();
        return;
    }
    const int channel = freeChannel();
    if (channel < 0) {
        ended();
        return;
    }
    channels_[std::size_t(channel)] = {audio, std::move(ended)};
    ++playing_;
    if (Mix_PlayChannel(channel, audio->chunk(), 0) < 0) {
        Playback refused = std::move(channels_[std::size_t(channel)]);
        channels_[std::size_t(channel)] = {};
        --playing_;
        refused.ended();
    }
}

void AudioDevice::release(Mix_Chunk* chunk, int deviceSession)
{
    Mix_FreeChunk(chunk);
    if (open_ && deviceSession == session_)
        --samplesHeld_;
}

// A channel counts as free only once its end has reached this thread, so a late end report
// can never be taken for the end of a newer playback on the same channel.
int AudioDevice::freeChannel()
{
    for (std::size_t i = 0; i < channels_.size(); ++i) {
        if (!channels_[i].audio)
            return int(i);
    }
    const int had = int(channels_.size());
    if (had >= kMostChannels)
        return -1;
    const int now = Mix_AllocateChannels(std::min(had > 0 ? had * 2 : 8, kMostChannels));
    if (now <= had)
        return -1;
    channels_.resize(std::size_t(now));
    return had;
}

void AudioDevice::onChannelFinished(int channel)
{
    AudioDevice* device = callbackTarget.load();
    if (!device)
        return;
    const int session = callbackSession.load();
    device->thread_.post([device, channel, session] { device->channelFinished(channel, session); });
}

void AudioDevice::channelFinished(int channel, int session)
{
    if (session != session_ || channel < 0 || std::size_t(channel) >= channels_.size()
        || !channels_[std::size_t(channel)].audio)
        return;
    Playback finished = std::move(channels_[std::size_t(channel)]);
    channels_[std::size_t(channel)] = {};
    --playing_;
    finished.ended();
}

bool AudioDevice::open(const Output& output)
{
    if (open_)
        return true;
    chooseOutput(output);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(kFrequency, kSampleFormat, kStereo, kBufferFrames) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    open_ = true;
    ++session_;
    playing_ = 0;
    samplesHeld_ = 0;
    channels_.assign(std::size_t(Mix_AllocateChannels(-1)), {});
    callbackSession.store(session_);
    callbackTarget.store(this);
    Mix_ChannelFinished(&AudioDevice::onChannelFinished);
    return true;
}

void AudioDevice::used()
{
    closeAt_.reset();
}

void AudioDevice::close()
{
    closeAt_.reset();
    if (!open_)
        return;
    Mix_ChannelFinished(nullptr);
    callbackTarget.store(nullptr);
    Mix_HaltChannel(-1); // something still plays only when the application ends
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
    playing_ = 0;
    samplesHeld_ = 0;
    // Let go only now that the mixer has stopped reading them.
    std::vector<Playback> stopped = std::move(channels_);
    channels_.clear();
    stopped.clear();
}

AudioThread::Pause AudioDevice::whenEmpty()
{
    if (!open_)
        return AudioThread::Pause::ending();
    if (playing_ > 0 || samplesHeld_ > 0) {
        closeAt_.reset();
        return AudioThread::Pause::untilWoken(); // until a playback ends or samples are let go
    }
    const auto now = AudioThread::Clock::now();
    if (!closeAt_)
        closeAt_ = now + kCloseGrace;
    if (now < *closeAt_)
        return AudioThread::Pause::untilWokenOr(*closeAt_);
    close();
    return AudioThread::Pause::ending();
}

} // namespace platform
