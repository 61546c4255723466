#pragma once

struct Mix_Chunk;

namespace platform {

// A sound file's samples, decoded on the audio thread after the Sound that holds them was
// handed out. Held by each Sound made from them and by each of their playbacks still
// running; the last holder to let go has the audio thread free them.
class DecodedAudio {
public:
    explicit DecodedAudio(int engineSession) : engineSession_(engineSession) {}
    ~DecodedAudio();
    DecodedAudio(const DecodedAudio&) = delete;
    DecodedAudio& operator=(const DecodedAudio&) = delete;

    // Which use of the device, as the GUI thread counts them, the samples are for.
    int engineSession() const { return engineSession_; }

    // Audio thread only. Nil until decoded, and for a file that holds no sound.
    Mix_Chunk* chunk() const { return chunk_; }
    // Which opening of the device the samples were converted for.
    int deviceSession() const { return deviceSession_; }
    void setSamples(Mix_Chunk* chunk, int deviceSession)
    {
        chunk_ = chunk;
        deviceSession_ = deviceSession;
    }

private:
    const int engineSession_;
    Mix_Chunk* chunk_ = nullptr;
    int deviceSession_ = 0;
};

} // namespace platform
