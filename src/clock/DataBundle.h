#pragma once

#include "platform/FolderItem.h"
#include "platform/Strings.h"

// The folder of photos and clips: "vemra-dorat/Payload/VemraDorat.app" beside the
// application, else "vemra-dorat/Payload/Vemra Dorat.app", which is used whether it exists or
// not. Looked up afresh at every use, so a data folder added or moved while the clock runs is
// found the next time.
platform::FolderItemPtr findDataBundleFolder();

// The media files inside the data folder. Each may or may not exist: test Exists() before
// opening it.
platform::FolderItemPtr minutePhoto(const platform::FolderItemPtr& dataFolder, const platform::String& minuteKey);
platform::FolderItemPtr seiyuPhoto(const platform::FolderItemPtr& dataFolder, const platform::String& photoName);
platform::FolderItemPtr serifClip(const platform::FolderItemPtr& dataFolder, const platform::String& minuteKey);
platform::FolderItemPtr timeClip(const platform::FolderItemPtr& dataFolder, const platform::String& minuteKey);
platform::FolderItemPtr alarmSoundFile(const platform::FolderItemPtr& dataFolder, const platform::String& soundFileName);
