#pragma once

#include <memory>

namespace platform {

class DecodedAudio;

// A decoded sound (MP3 and the other formats SDL2_mixer reads). Play starts a playback and
// returns at once; the playback goes on to its end even after the last reference to the Sound
// is dropped, and up to 256 playbacks mix (one started while 256 play is not started). While
// nothing plays and no Sound is held, no audio device is open and no audio thread runs.
class Sound {
public:
    explicit Sound(std::shared_ptr<DecodedAudio> audio);
    ~Sound();

    void Play();

private:
    std::shared_ptr<DecodedAudio> audio_;
};

} // namespace platform
