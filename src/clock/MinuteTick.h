#pragma once

#include "platform/Array.h"
#include "platform/FolderItem.h"
#include "platform/Strings.h"

// What each voice mode announces (the row of the voice-mode menu in the preferences).
enum VoiceModeCode : int {
    serifAndTime = 0,   // the spoken line at :00 :15 :30 :45, the time at every other minute
    serifOnly = 1,      // the spoken line at the quarter hours only
    timeOnly = 2,       // the time every minute
    noAnnouncement = 3, // nothing (the alarm still sounds)
};

// Plays the clip once for every catalogue line of the minute whose speaker is switched on.
// The last element is not examined: a catalogue ends with a line break, and what follows the
// last break is empty. A speaker number that is not a whole number from 1 to 13 is passed over.
void playForEachMatchingEntry(const platform::Array<platform::String>& catalogue,
                              const platform::String& minuteKey,
                              const platform::Array<bool>& nameCheck,
                              const platform::FolderItemPtr& clip);
