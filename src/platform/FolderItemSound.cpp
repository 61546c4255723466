#include "platform/FolderItem.h"

#include "platform/AudioEngine.h"
#include "platform/Sound.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace platform {

std::shared_ptr<Sound> FolderItem::OpenAsSound() const
{
    if (!Exists())
        return nullptr;
    const String path = NativePath();
    // Regular files only: reading a pipe or a device could block, or never end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(path), error))
        return nullptr;
    std::shared_ptr<DecodedAudio> audio = AudioEngine::instance().decode(path);
    if (!audio)
        return nullptr;
    return std::make_shared<Sound>(std::move(audio));
}

} // namespace platform
