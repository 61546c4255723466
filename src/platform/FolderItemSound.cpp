#include "platform/FolderItem.h"

#include "platform/AudioEngine.h"
#include "platform/ClipDecoder.h"
#include "platform/Sound.h"

#include <utility>

namespace platform {

std::shared_ptr<Sound> FolderItem::OpenAsSound() const
{
    AudioEngine& engine = AudioEngine::instance();
    // With every playback taken, nothing opened now could be heard: the file is not looked at.
    if (engine.full() || !Exists())
        return nullptr;
    std::unique_ptr<ClipFile> file = ClipFile::open(NativePath());
    if (!file)
        return nullptr;
    std::shared_ptr<DecodedAudio> audio = engine.open(std::move(file));
    if (!audio)
        return nullptr;
    return std::make_shared<Sound>(std::move(audio));
}

} // namespace platform
