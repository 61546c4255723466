#include "platform/Sound.h"

#include "platform/AudioEngine.h"

#include <utility>

namespace platform {

Sound::Sound(std::shared_ptr<DecodedAudio> audio) : audio_(std::move(audio)) {}

Sound::~Sound() = default;

void Sound::Play()
{
    AudioEngine::instance().play(audio_);
}

} // namespace platform
