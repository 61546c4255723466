#pragma once

// The GUI thread's side of sound. It hands out decoded audio and starts playbacks at once,
// leaving the work to the audio thread (AudioDevice.h): opening the device, decoding, mixing
// and closing never hold up the GUI thread, where closing the device stalled the window for
// 52 to 61 ms and a 2-hour clip's decoding for seconds. It counts the playbacks started and
// not yet ended, so that the cap on playbacks is checked without a look at the audio thread.
// GUI thread only, except where said.

#include "platform/AudioDevice.h"
#include "platform/AudioThread.h"

#include <QObject>

#include <map>
#include <memory>
#include <string>

struct Mix_Chunk;

namespace platform {

class ClipFile;
class DecodedAudio;

// Playbacks mixed at once. One started while this many play or wait to play is not started:
// on top of them it would not be heard, and a catalogue naming a minute thousands of times
// would otherwise take the audio thread's time and the mixer's memory without end.
constexpr int kMostPlaybacks = 256;

class AudioEngine : public QObject {
    Q_OBJECT
public:
    static AudioEngine& instance();

    // The audio of the file, decoded on the audio thread; it plays nothing should the file
    // hold no sound or the device not open. Audio still held for the same file (the same
    // identity) is shared. Nil without an application object.
    std::shared_ptr<DecodedAudio> open(std::unique_ptr<ClipFile> file);
    // Starts one more playback once the audio is decoded, unless kMostPlaybacks are running
    // or waiting; returns at once.
    void play(const std::shared_ptr<DecodedAudio>& audio);
    bool full() const { return playbacks_ >= kMostPlaybacks; }

    // What the next opening of the device uses (AudioDevice::Output).
    void setOutput(const std::string& driver, const std::string& file);

    // In use from the first request that needs the device until it has closed again.
    bool deviceOpen() const { return deviceInUse_; }
    // Started and not yet ended, those waiting for their audio to be decoded included.
    int playbacksInProgress() const { return playbacks_; }
    bool idle() const { return !deviceInUse_ && playbacks_ == 0; }
    // Waits until the audio thread has ended, at most `timeoutMs`.
    bool waitForAudioThreadEnd(int timeoutMs);

    // Any thread: samples whose last holder let go.
    void releaseSamples(Mix_Chunk* chunk, int deviceSession);

signals:
    void deviceClosed();

private:
    AudioEngine();

    void request(AudioThread::Task task);
    void playbackEnded(int session);
    void settled(long request);
    AudioThread::Pause whenAudioThreadEmpty();
    static void closeAtApplicationEnd();

    AudioThread thread_;
    AudioDevice device_; // audio thread only

    // GUI thread.
    bool deviceInUse_ = false;
    int playbacks_ = 0;
    // Counts the uses of the device: audio and playbacks of an earlier use are stale.
    int session_ = 0;
    long requests_ = 0;
    // Audio still held, by the identity of the file it was decoded from.
    std::map<std::string, std::weak_ptr<DecodedAudio>> held_;
    AudioDevice::Output output_;
    bool closeAtEndRegistered_ = false;

    // Audio thread.
    long requestsDone_ = 0;
    long requestsReported_ = 0;
};

} // namespace platform
