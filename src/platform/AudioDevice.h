#pragma once

// The audio device and the mixer, on the audio thread: every SDL and SDL2_mixer call of the
// program is made here, one after the other, so that a device closing never races a
// playback starting. The device opens when a sound is first decoded and closes (with SDL's
// audio subsystem, so no SDL audio thread runs) a short while after nothing plays and no
// samples are held.

#include "platform/AudioThread.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct Mix_Chunk;

namespace platform {

class ClipFile;
class DecodedAudio;

class AudioDevice {
public:
    // Where the device sends its sound: an SDL audio driver name and, for the "disk" driver,
    // the file it writes. An empty driver gives back what the process started with; nothing
    // chosen leaves SDL's own choice.
    struct Output {
        bool chosen = false;
        std::string driver;
        std::string file;
    };
    // Notes the process's own output, before any choice changes it. GUI thread.
    static void rememberStartingOutput();

    explicit AudioDevice(AudioThread& thread) : thread_(thread) {}

    // Opens the device when needed and decodes the file into `audio`, which is left without
    // samples when either fails.
    void decode(DecodedAudio& audio, const ClipFile& file, const Output& output);
    // Starts a playback of the samples, mixed with any that are running; `ended` runs (on
    // this thread) once it has ended, or at once when it cannot start.
    void play(const std::shared_ptr<DecodedAudio>& audio, std::function<void()> ended);
    // Frees samples whose last holder let go.
    void release(Mix_Chunk* chunk, int deviceSession);
    // Closes the device now, stopping whatever plays, without running their `ended`.
    void close();

    // Called by the audio thread when its queue has run empty: closes the device once it has
    // stood unused for its grace. The thread may end once the device is closed.
    AudioThread::Pause whenEmpty();

private:
    struct Playback {
        std::shared_ptr<DecodedAudio> audio;
        std::function<void()> ended;
    };

    bool open(const Output& output);
    void used();
    int freeChannel();
    void channelFinished(int channel, int session);
    static void onChannelFinished(int channel); // SDL's audio thread

    AudioThread& thread_;
    bool open_ = false;
    int session_ = 0;
    int playing_ = 0;
    int samplesHeld_ = 0;
    std::vector<Playback> channels_; // by mixer channel; empty while the channel is free
    std::optional<AudioThread::Clock::time_point> closeAt_;
};

} // namespace platform
