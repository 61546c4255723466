#include "platform/DecodedAudio.h"

#include "platform/AudioEngine.h"

namespace platform {

// The last holder may be on either thread; it saw the audio thread's writes, since that
// thread held the samples while it wrote them and let go after.
DecodedAudio::~DecodedAudio()
{
    if (chunk_)
        AudioEngine::instance().releaseSamples(chunk_, deviceSession_);
}

} // namespace platform
