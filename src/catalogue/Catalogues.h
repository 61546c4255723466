#pragma once

#include "platform/Array.h"
#include "platform/Strings.h"

// The four catalogues, one line per element. Before they are loaded they hold empty lines.
struct Catalogues {
    platform::Array<platform::String> seiyuName = platform::Array<platform::String>(12);  // ActMain.txt
    platform::Array<platform::String> timeArray = platform::Array<platform::String>(1440); // ActTime.txt
    platform::Array<platform::String> serifArray = platform::Array<platform::String>(96);  // ActSerif.txt
    platform::Array<platform::String> alarmArray = platform::Array<platform::String>(24);  // Alarm.txt
};

// Replaces each array from its catalogue file, in the order above: the speaker and alarm
// catalogues percent-decoded and split at CR LF, the time and line catalogues split at CR as
// they stand. An error while loading leaves the arrays not yet reached as they were.
void loadCatalogues(Catalogues& catalogues);

// Line `index` of a catalogue, or "" past its end, so that a catalogue shorter than the
// settings dialog's fixed counts shows empty captions instead of failing.
inline platform::String catalogueLine(const platform::Array<platform::String>& catalogue, int index)
{
    return catalogue.inBounds(index) ? catalogue(index) : platform::String();
}

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
