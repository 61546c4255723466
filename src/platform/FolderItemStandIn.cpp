// TEMPORARY stand-in for the few FolderItem members the sound code and its tests need, until
// the real FolderItem.cpp reaches this branch. Delete this file when merging with it.

#include "platform/FolderItem.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace platform {

FolderItem::FolderItem(String path, bool usable) : path_(std::move(path)), usable_(usable) {}

FolderItemPtr FolderItem::fromNativePath(const String& absolutePath)
{
    return FolderItemPtr(new FolderItem(absolutePath, !absolutePath.empty()));
}

bool FolderItem::Exists() const
{
    std::error_code error;
    return usable_ && std::filesystem::exists(std::filesystem::path(path_), error);
}

bool FolderItem::Directory() const
{
    std::error_code error;
    return usable_ && std::filesystem::is_directory(std::filesystem::path(path_), error);
}

String FolderItem::NativePath() const
{
    return path_;
}

} // namespace platform
