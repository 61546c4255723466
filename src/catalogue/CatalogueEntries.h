#pragma once

#include "platform/Strings.h"

// The fields of the catalogue lines. Fields are separated by TAB and counted from 1.
namespace catalogue {

inline platform::String field(const platform::String& line, int n)
{
    return platform::NthField(line, platform::ChrB(9), n);
}

// A speaker line (ActMain.txt): field 2 the name shown, field 3 the photo's base name.
inline platform::String shownName(const platform::String& seiyuEntry) { return field(seiyuEntry, 2); }
inline platform::String photoName(const platform::String& seiyuEntry) { return field(seiyuEntry, 3); }

// A clip line (ActTime.txt, ActSerif.txt): field 1 the minute key, field 2 the speaker number.
inline platform::String minuteKey(const platform::String& voiceEntry) { return field(voiceEntry, 1); }
inline platform::String seiyuNumber(const platform::String& voiceEntry) { return field(voiceEntry, 2); }

// An alarm line (Alarm.txt): field 1 the name shown, field 2 the sound's whole file name.
inline platform::String alarmShownName(const platform::String& alarmEntry) { return field(alarmEntry, 1); }
inline platform::String soundFileName(const platform::String& alarmEntry) { return field(alarmEntry, 2); }

} // namespace catalogue
