#pragma once

#include "platform/Strings.h"

#include <memory>

namespace platform {

class FolderItem;
class TextInputStream;
class Picture;
class Sound;
using FolderItemPtr = std::shared_ptr<FolderItem>;

// A file or folder by absolute path, which may or may not exist on disk.
class FolderItem {
public:
    // An item for an absolute native path ("" gives an item that never exists).
    static FolderItemPtr fromNativePath(const String& absolutePath);

    // The item of that one name inside this folder: an item also when nothing of that name
    // exists, or when this folder does not exist. A name that is empty, "." or "..", or that
    // holds "/" or a NUL byte gives an item that does not exist, so a name taken from a
    // catalogue can never lead outside its folder.
    FolderItemPtr Child(const String& name) const;
    // The containing folder; nil for the root and for an item that never exists.
    FolderItemPtr Parent() const;

    bool Exists() const;
    String NativePath() const;

    // Nil when the item is missing, not a regular file (a folder, a pipe, a device), larger
    // than kLargestTextFile (TextStreams.h), or cannot be opened.
    std::shared_ptr<TextInputStream> OpenAsTextFile() const;
    // Nil when the item is missing, not a regular file, or not a readable picture.
    std::shared_ptr<Picture> OpenAsPicture() const;
    // Nil when the item is missing or not a regular file, and when 256 playbacks are running
    // or waiting (the file is then not looked at). The file is decoded off the GUI thread: one
    // that holds no sound, or that finds no audio device, gives a Sound that plays nothing.
    std::shared_ptr<Sound> OpenAsSound() const;

private:
    FolderItem(String path, bool usable);
    String path_;
    bool usable_ = true; // false for names that may never exist (see Child)
};

// The item of that name (see Child) in the folder that holds the application folder (the
// neighbours of an application bundle). pathType 0, the native form, is the only one.
FolderItemPtr GetFolderItem(const String& name, int pathType = 0);

namespace SpecialFolder {
// The user's preferences folder: $XDG_CONFIG_HOME, else ~/.config.
FolderItemPtr Preferences();
}

} // namespace platform
