#pragma once

#include <QByteArray>

namespace vemra::test {

// The settings as the preferences file holds them.
struct Settings {
    QByteArray speakers = "1,1,1,1,1,1,1,1,1,1,1,1";
    bool alarmOn = false;
    QByteArray alarmHour = "00";
    QByteArray alarmMin = "00";
    int alarmVoice = 0;
    int voiceMode = 0;
};

// The six lines of "vemraViewer Prefs" for these settings.
QByteArray preferencesText(const Settings& settings);

// Sets the clock to the time and fires the main window's timer once, as a tick would.
void tickAt(int hour, int minute, int second = 0);

// A left click in the main window's clock face, through the window system's events.
void clickMainWindow();

// Runs the event loop until every playback has ended (as a real minute would), failing the
// test after 20 s. The audio device stays open for its short grace after the last one.
void letSoundsEnd();

} // namespace vemra::test
