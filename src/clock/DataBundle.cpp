#include "clock/DataBundle.h"

#include "platform/Exceptions.h"

using platform::FolderItemPtr;
using platform::notNil;
using platform::String;

namespace {

FolderItemPtr child(const FolderItemPtr& folder, const String& name)
{
    return notNil(folder, "folder").Child(name);
}

FolderItemPtr payloadFolder()
{
    return child(platform::GetFolderItem("vemra-dorat", 0), "Payload");
}

} // namespace

FolderItemPtr findDataBundleFolder()
{
    FolderItemPtr firstCandidate = child(payloadFolder(), "VemraDorat.app");
    if (notNil(firstCandidate, "VemraDorat.app").Exists())
        return firstCandidate;
    return child(payloadFolder(), "Vemra Dorat.app");
}

FolderItemPtr minutePhoto(const FolderItemPtr& dataFolder, const String& minuteKey)
{
    return child(child(dataFolder, "Photos"), minuteKey + ".jpg");
}

FolderItemPtr seiyuPhoto(const FolderItemPtr& dataFolder, const String& photoName)
{
    return child(child(dataFolder, "Photos"), photoName + ".jpg");
}

FolderItemPtr serifClip(const FolderItemPtr& dataFolder, const String& minuteKey)
{
    return child(child(child(dataFolder, "Sounds"), "Serif"), minuteKey + ".mp3");
}

FolderItemPtr timeClip(const FolderItemPtr& dataFolder, const String& minuteKey)
{
    return child(child(child(dataFolder, "Sounds"), "Time"), minuteKey + ".mp3");
}

FolderItemPtr alarmSoundFile(const FolderItemPtr& dataFolder, const String& soundFileName)
{
    return child(child(child(dataFolder, "Sounds"), "Alarm"), soundFileName);
}
