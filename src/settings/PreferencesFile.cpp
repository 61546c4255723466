#include "settings/PreferencesFile.h"

#include "clock/MainWindow.h"
#include "platform/Exceptions.h"
#include "platform/FolderItem.h"
#include "platform/TextStreams.h"

using namespace platform;

namespace {

const char* const kPrefsFileName = "vemraViewer Prefs";

FolderItemPtr prefsFile()
{
    return notNil(SpecialFolder::Preferences(), "Preferences folder").Child(kPrefsFileName);
}

String valueOf(const String& line)
{
    return NthField(line, "=", 2);
}

void setDefaults(MainWindow& window)
{
    for (int i = 0; i <= 11; ++i)
        window.nameCheck(i) = true;
    window.alarmCheck = false;
    window.alarmHour = "00";
    window.alarmMin = "00";
    window.alarmVoice = 0;
    window.voiceMode = 0;
}

} // namespace

void readPreferencesFile(MainWindow& window)
{
    window.settingsRead = false;
    FolderItemPtr file = prefsFile();
    notNil(file, kPrefsFileName);
    if (!file->Exists()) {
        setDefaults(window);
        window.settingsRead = true;
        return;
    }

    std::shared_ptr<TextInputStream> stream = file->OpenAsTextFile();
    if (!stream)
        throw NilObjectException("cannot open " + file->NativePath() + "; it will not be overwritten");

    String speakers = valueOf(stream->ReadLine());
    for (int i = 0; i <= 11; ++i)
        window.nameCheck(i) = NthField(speakers, ",", i + 1) == "1";
    window.alarmCheck = valueOf(stream->ReadLine()) == "1";
    window.alarmHour = valueOf(stream->ReadLine());
    window.alarmMin = valueOf(stream->ReadLine());
    window.alarmVoice = CInt32(Val(valueOf(stream->ReadLine())));
    window.voiceMode = CInt32(Val(valueOf(stream->ReadLine())));
    stream->Close();
    window.settingsRead = true;
}

void writePreferencesFile(MainWindow& window)
{
    FolderItemPtr file = prefsFile();
    // Settings never read (the file could not be read, or the window's opening failed
    // before it got there) are placeholders: writing them would lose what the file holds.
    if (!window.settingsRead)
        throw IOException("settings not saved: " + notNil(file, kPrefsFileName).NativePath()
                          + " was not read at start-up and is left as it was");

    std::shared_ptr<TextOutputStream> stream = TextOutputStream::Create(file);

    String speakers;
    for (int i = 0; i <= 11; ++i)
        speakers += window.nameCheck(i) ? "1," : "0,";
    speakers = Left(speakers, Len(speakers) - 1);

    stream->WriteLine("seiyuOn/Off=" + speakers);
    stream->WriteLine(window.alarmCheck ? "alarmOn=1" : "alarmOn=0");
    stream->WriteLine("alarmHour=" + window.alarmHour);
    stream->WriteLine("alarmMin=" + window.alarmMin);
    stream->WriteLine("alarmVoice=" + Str(window.alarmVoice));
    stream->WriteLine("voiceMode=" + Str(window.voiceMode));
    stream->Close();
}
