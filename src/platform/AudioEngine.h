#pragma once

// The audio device behind Sound: opened when a sound is first needed, shared by every
// playback, and closed (with SDL's audio subsystem, so no audio thread runs) a short while
// after nothing plays and no Sound holds decoded audio. Main thread only.

#include <QObject>
#include <QTimer>

#include <map>
#include <memory>
#include <string>
#include <vector>

struct Mix_Chunk;

namespace platform {

// Samples decoded into the device's format. Held by each Sound made from them and by each
// of their playbacks still running; the last holder to let go frees them.
class DecodedAudio {
public:
    DecodedAudio(Mix_Chunk* chunk, int deviceSession);
    ~DecodedAudio();
    DecodedAudio(const DecodedAudio&) = delete;
    DecodedAudio& operator=(const DecodedAudio&) = delete;

    Mix_Chunk* chunk() const { return chunk_; }
    // Which opening of the device the samples were converted for.
    int deviceSession() const { return deviceSession_; }

private:
    Mix_Chunk* chunk_;
    int deviceSession_;
};

class AudioEngine : public QObject {
    Q_OBJECT
public:
    static AudioEngine& instance();

    // Opens the device when needed and decodes the file; nil when either fails. A file whose
    // samples are still held (by a Sound or a playback) is not decoded again: they are shared.
    std::shared_ptr<DecodedAudio> decode(const std::string& nativePath);
    // Starts one more playback, mixed with any that are running, unless 256 are running
    // already; returns at once.
    void play(const std::shared_ptr<DecodedAudio>& audio);

    // What the next opening of the device uses: an SDL audio driver name and, for the
    // "disk" driver, the file it writes. An empty driver leaves SDL's own choice.
    void setOutput(const std::string& driver, const std::string& file);

    bool deviceOpen() const { return deviceOpen_; }
    int playbacksInProgress() const { return playbacks_; }
    bool idle() const { return !deviceOpen_ && playbacks_ == 0; }

    // Called by DecodedAudio as it goes.
    void release(Mix_Chunk* chunk);

signals:
    void deviceClosed();

private:
    AudioEngine();

    bool openDevice();
    void closeDevice();
    void closeIfStillUnused();
    void closeWhenUnused();
    int freeChannel();
    void channelFinished(int channel);

    static void onChannelFinished(int channel); // SDL's audio thread
    static void closeAtApplicationEnd();

    bool deviceOpen_ = false;
    int deviceSession_ = 0;
    int playbacks_ = 0;
    int decodedHeld_ = 0;
    // The decoded audio each mixer channel is playing; empty while the channel is free.
    std::vector<std::shared_ptr<DecodedAudio>> channels_;
    // Samples still held, by the identity of the file they were decoded from.
    std::map<std::string, std::weak_ptr<DecodedAudio>> decodedFiles_;
    QTimer closeTimer_;
    bool outputChosen_ = false;
    std::string driver_;
    std::string diskFile_;
    bool closeAtEndRegistered_ = false;
};

} // namespace platform
