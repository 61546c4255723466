#pragma once

#include <memory>

namespace platform {

class DecodedAudio;

// A sound (MP3 and the other formats SDL2_mixer reads), decoded off the GUI thread. Play
// starts a playback and returns at once; the playback begins as soon as the file is decoded
// and goes on to its end even after the last reference to the Sound is dropped. A file that
// turns out to hold no sound plays nothing. Up to 256 playbacks mix (one started while 256
// play or wait to play is not started), and a clip plays at most its first 5 minutes
// (ClipDecoder.h). While nothing plays and no Sound is held, no audio device is open and no
// audio thread runs.
class Sound {
public:
    explicit Sound(std::shared_ptr<DecodedAudio> audio);
    ~Sound();

    void Play();

private:
    std::shared_ptr<DecodedAudio> audio_;
};

} // namespace platform
