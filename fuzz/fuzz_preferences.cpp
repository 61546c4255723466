// The preferences file of any bytes, read into the main window by the real reader; what was
// read must be written and read back unchanged; then a tick at the alarm's time (or a time
// taken from the input) acts on those settings.
#include "FuzzInstallation.h"

#include "clock/MainWindow.h"
#include "platform/Date.h"
#include "platform/Testing.h"
#include "settings/UserSettings.h"

#include <fstream>
#include <sstream>

using namespace platform;

namespace {

struct Snapshot {
    std::vector<bool> speakers;
    bool alarmCheck;
    String alarmHour, alarmMin;
    std::int32_t alarmVoice, voiceMode;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const MainWindow& window)
{
    Snapshot s{{}, window.settings.alarmCheck, window.settings.alarmHour, window.settings.alarmMin, window.settings.alarmVoice, window.settings.voiceMode};
    for (int i = 0; i <= window.settings.nameCheck.Ubound(); ++i)
        s.speakers.push_back(window.settings.nameCheck(i));
    return s;
}

std::string fileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The alarm's own time when it names one, so that the alarm branch runs; else a time from
// the input.
int twoDigits(const String& text, int limit, int otherwise)
{
    if (text.size() == 2 && text[0] >= '0' && text[0] <= '9' && text[1] >= '0' && text[1] <= '9') {
        const int value = (text[0] - '0') * 10 + (text[1] - '0');
        if (value < limit)
            return value;
    }
    return otherwise;
}

// An alarm catalogue of 24 voices whose sounds do not exist: every alarm voice in range is
// looked up, and nothing plays.
void writeAlarmCatalogue()
{
    std::string text;
    for (int i = 0; i < 24; ++i)
        text += "Voice%20" + std::to_string(i) + "\tvoice" + std::to_string(i) + ".mp3\r\n";
    fuzz::writeFile(fuzz::install().resources + "/Alarm.txt", text);
    fuzz::writeFile(fuzz::install().resources + "/ActTime.txt", "0715\t1\r1230\t12\r");
    fuzz::writeFile(fuzz::install().resources + "/ActSerif.txt", "0000\t13\r0715\t2\r");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::install();
    writeAlarmCatalogue();
    fuzz::mainWindowOnce();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = fuzz::install().preferencesFile;
    MainWindow& window = fuzz::mainWindowOnce();
    fuzz::writeFile(path, data, size);

    readPreferencesFile(window.settings);
    const Snapshot read = snapshot(window);
    if (read.speakers.size() != 13 || read.speakers[12])
        fuzz::fail("the reader touched speaker switch 12");

    writePreferencesFile(window.settings);
    const std::string written = fileBytes(path);
    readPreferencesFile(window.settings);
    if (!(snapshot(window) == read))
        fuzz::fail("the settings did not survive writing and reading back");
    writePreferencesFile(window.settings);
    if (fileBytes(path) != written)
        fuzz::fail("writing the same settings twice gave different files");

    const int hour = twoDigits(window.settings.alarmHour, 24, int(size % 24));
    const int minute = twoDigits(window.settings.alarmMin, 60, int(size % 60));
    testing::setClock([=] { return Date(2026, 12, 7, hour, minute, 30); });
    window.lastTime = "";
    window.mainTimer_Action(*window.mainTimer());
    const String expected = Str(100 + hour).substr(1) + ":" + Str(100 + minute).substr(1);
    if (window.Title() != expected + ":30" || window.lastTime != expected)
        fuzz::fail("the tick did not show its minute");
    return 0;
}
