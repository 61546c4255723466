#include "settings/UserSettings.h"

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

void setDefaults(UserSettings& settings)
{
    for (int i = 0; i <= 11; ++i)
        settings.nameCheck(i) = true;
    settings.alarmCheck = false;
    settings.alarmHour = "00";
    settings.alarmMin = "00";
    settings.alarmVoice = 0;
    settings.voiceMode = serifAndTime;
}

} // namespace

void readPreferencesFile(UserSettings& settings)
{
    settings.placeholder = true;
    FolderItemPtr file = prefsFile();
    notNil(file, kPrefsFileName);
    if (!file->Exists()) {
        setDefaults(settings);
        settings.placeholder = false;
        return;
    }

    std::shared_ptr<TextInputStream> stream = file->OpenAsTextFile();
    if (!stream)
        throw NilObjectException("cannot open " + file->NativePath() + "; it will not be overwritten");

    String speakers = valueOf(stream->ReadLine());
    for (int i = 0; i <= 11; ++i)
        settings.nameCheck(i) = NthField(speakers, ",", i + 1) == "1";
    settings.alarmCheck = valueOf(stream->ReadLine()) == "1";
    settings.alarmHour = valueOf(stream->ReadLine());
    settings.alarmMin = valueOf(stream->ReadLine());
    settings.alarmVoice = CInt32(Val(valueOf(stream->ReadLine())));
    settings.voiceMode = CInt32(Val(valueOf(stream->ReadLine())));
    stream->Close();
    settings.placeholder = false;
}

void writePreferencesFile(const UserSettings& settings)
{
    FolderItemPtr file = prefsFile();
    if (settings.placeholder)
        throw IOException("settings not saved: " + notNil(file, kPrefsFileName).NativePath()
                          + " was not read at start-up and is left as it was");

    std::shared_ptr<TextOutputStream> stream = TextOutputStream::Create(file);

    String speakers;
    for (int i = 0; i <= 11; ++i)
        speakers += settings.nameCheck(i) ? "1," : "0,";
    speakers = Left(speakers, Len(speakers) - 1);

    stream->WriteLine("seiyuOn/Off=" + speakers);
    stream->WriteLine(settings.alarmCheck ? "alarmOn=1" : "alarmOn=0");
    stream->WriteLine("alarmHour=" + settings.alarmHour);
    stream->WriteLine("alarmMin=" + settings.alarmMin);
    stream->WriteLine("alarmVoice=" + Str(settings.alarmVoice));
    stream->WriteLine("voiceMode=" + Str(settings.voiceMode));
    stream->Close();
}
