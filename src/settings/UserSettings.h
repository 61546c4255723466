#pragma once

#include "platform/Array.h"
#include "platform/Strings.h"

#include <cstdint>

// What the voice mode announces; the row of the voice-mode menu in the settings dialog. Any
// other value announces nothing. The alarm sounds in every mode.
enum VoiceModeCode : int {
    serifAndTime = 0,   // the spoken line at :00 :15 :30 :45, the time at every other minute
    serifOnly = 1,      // the spoken line at the quarter hours only
    timeOnly = 2,       // the time every minute
    noAnnouncement = 3, // nothing
};

// The user's six settings, in the order of the preferences file.
struct UserSettings {
    platform::Array<bool> nameCheck = platform::Array<bool>(12, false); // element n-1: speaker n is on
    bool alarmCheck = false;
    platform::String alarmHour = "00";
    platform::String alarmMin = "00";
    std::int32_t alarmVoice = 0;
    std::int32_t voiceMode = serifAndTime;

    // True while the values are the ones a window starts with: neither read from the file (or
    // its defaults) nor chosen by the user. Placeholders never replace the file, which would
    // lose the settings it holds.
    bool placeholder = true;
};

// "vemraViewer Prefs" in the user's preferences folder: six lines, "key=value", read by
// position alone:
//   seiyuOn/Off=1,1,1,1,1,1,1,1,1,1,1,1
//   alarmOn=0
//   alarmHour=00
//   alarmMin=00
//   alarmVoice=0
//   voiceMode=0

// Reads the file into the settings, or sets the defaults when there is no file. A file that
// exists but cannot be opened raises NilObjectException, leaving the settings placeholders.
void readPreferencesFile(UserSettings& settings);

// Rewrites the file whole. The new file replaces the old one only once it is completely
// written. Raises IOException when it cannot be written, and when the settings are
// placeholders: the file is then left untouched.
void writePreferencesFile(const UserSettings& settings);
