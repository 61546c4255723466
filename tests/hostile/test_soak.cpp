// A whole day of the clock, driven in seconds through the injected clock: 1440 new minutes,
// two ticks in each, clicks in some, every voice mode in turn, the alarm at one minute, real
// clips for a part of the minutes and photos for others. Each hour must play exactly what it
// should, release every sound once it has ended, close the audio device, and leave the heap
// where the first hour left it.
#include "support/AppFolder.h"
#include "support/AudioCapture.h"
#include "support/HeapInUse.h"
#include "support/MinuteTicks.h"
#include "support/Pictures.h"
#include "support/TestRuntime.h"

#include "clock/MainWindow.h"
#include "platform/FolderItem.h"
#include "platform/Sound.h"
#include "platform/Testing.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace vemra::test;

namespace {

const char* const kTimeFixture = "tone-440-300ms.mp3";
const char* const kSerifFixture = "tone-660-500ms.mp3";
const char* const kAlarmFixture = "tone-880-quiet-200ms.mp3";

constexpr int kAlarmHour = 13;
constexpr int kAlarmMinute = 33;
constexpr int kSpeakerOff = 4;
// Some fifty times what a day of ticks keeps for good (a few kilobytes, mostly the test's own
// changes of the audio output), far below what a photo (600 kB) or a decoded clip (50 kB and
// up) left behind per hour, or a hundred bytes per tick, would add.
constexpr std::size_t kHeapGrowthBound = 256u << 10;

// The day's schedule. Voice modes change every few hours, 7 being a mode that announces
// nothing.
int voiceModeAt(int hour)
{
    return hour < 6 ? 0 : hour < 12 ? 1 : hour < 18 ? 2 : hour < 22 ? 3 : 7;
}

// Minutes ending in 3 have a time clip; at minute 53 it is an ID3 tag and no sound.
bool hasTimeClip(int minute) { return minute % 10 == 3; }
bool timeClipSounds(int minute) { return hasTimeClip(minute) && minute != 53; }
// The quarter hours of even hours have a line clip.
bool hasSerifClip(int hour, int minute) { return hour % 2 == 0 && minute % 15 == 0; }
int timeSpeaker(int hour, int minute) { return (hour * 60 + minute) % 12 + 1; }
int serifSpeaker(int hour, int minute) { return (hour * 4 + minute / 15) % 12 + 1; }
bool clickedMinute(int hour, int minute)
{
    return (hour % 3 == 0 && minute == 33) || (hour == kAlarmHour && minute == kAlarmMinute);
}

QByteArray timeCatalogue()
{
    QByteArray text;
    for (int m = 0; m < 1440; ++m)
        text += QString::asprintf("%02d%02d\t%d\r", m / 60, m % 60, timeSpeaker(m / 60, m % 60)).toLatin1();
    return text;
}

QByteArray serifCatalogue()
{
    QByteArray text;
    for (int q = 0; q < 96; ++q)
        text += QString::asprintf("%02d%02d\t%d\r", q / 4, q % 4 * 15, serifSpeaker(q / 4, q % 4 * 15)).toLatin1();
    return text;
}

QByteArray alarmCatalogue()
{
    QByteArray text;
    for (int i = 0; i < 24; ++i)
        text += "Alarm%20" + QByteArray::number(i) + "\talarm" + QByteArray::number(i) + ".mp3\r\n";
    return text;
}

class SoakTest : public ::testing::Test {
protected:
    SoakTest()
    {
        folder.writeResource("ActTime.txt", timeCatalogue());
        folder.writeResource("ActSerif.txt", serifCatalogue());
        folder.writeResource("Alarm.txt", alarmCatalogue());
        for (int hour = 0; hour < 24; ++hour) {
            for (int minute = 0; minute < 60; ++minute) {
                const QString key = QString::asprintf("%02d%02d", hour, minute);
                if (timeClipSounds(minute))
                    folder.copyData(kTimeFixture, "Sounds/Time/" + key + ".mp3");
                else if (hasTimeClip(minute))
                    folder.writeData("Sounds/Time/" + key + ".mp3", QByteArray("ID3\x03\0\0\0\0\0\0", 10));
                if (hasSerifClip(hour, minute))
                    folder.copyData(kSerifFixture, "Sounds/Serif/" + key + ".mp3");
                if (minute % 20 == 0)
                    folder.writeData("Photos/" + key + ".jpg", jpegBytes(QColor::fromHsv(hour * 15, 200, 200)));
            }
        }
        folder.writeData("Photos/0540.jpg", "not a picture");
        folder.copyData(kAlarmFixture, "Sounds/Alarm/alarm5.mp3");
        QByteArray speakers = "1,1,1,1,1,1,1,1,1,1,1,1";
        speakers[2 * (kSpeakerOff - 1)] = '0';
        folder.writePrefs(preferencesText({.speakers = speakers, .alarmOn = true, .alarmHour = "13",
                                           .alarmMin = "33", .alarmVoice = 5}));
    }

    // The clip the minute should play, or nullptr.
    const Clip* expectedAt(int hour, int minute) const
    {
        const int mode = voiceModeAt(hour);
        if (hour == kAlarmHour && minute == kAlarmMinute)
            return &alarmClip;
        if ((mode == 0 || mode == 1) && minute % 15 == 0)
            return hasSerifClip(hour, minute) && serifSpeaker(hour, minute) != kSpeakerOff ? &serifClip : nullptr;
        if ((mode == 0 || mode == 2) && timeClipSounds(minute) && timeSpeaker(hour, minute) != kSpeakerOff)
            return &timeClip;
        return nullptr;
    }

    // One tick, and what it should have started: a sound starts at once and is still playing
    // when the tick returns.
    void tickAndWait(int hour, int minute, int second, const Clip* expected, std::vector<const Clip*>& played)
    {
        tickAt(hour, minute, second);
        // A clip that holds no sound is found out as the audio thread decodes it, and its
        // playback ends then.
        if (!expected)
            letSoundsEnd();
        ASSERT_EQ(platform::testing::playbacksInProgress(), expected ? 1 : 0)
            << QString::asprintf("%02d:%02d:%02d", hour, minute, second).toStdString();
        if (expected)
            played.push_back(expected);
        letSoundsEnd();
        ASSERT_EQ(platform::testing::playbacksInProgress(), 0);
    }

    void runHour(int hour)
    {
        AudioCapture capture;
        // Held for the hour, so that the device stays open and its output file whole between
        // minutes: the disk driver starts a new file at each opening.
        std::shared_ptr<platform::Sound> keepOpen =
            platform::FolderItem::fromNativePath(testDataPath(kAlarmFixture).toStdString())->OpenAsSound();
        ASSERT_TRUE(keepOpen);

        MainWindow* window = mainWindow();
        window->settings.voiceMode = voiceModeAt(hour); // as the preferences window's OK sets it
        std::vector<const Clip*> played;
        for (int minute = 0; minute < 60; ++minute) {
            const Clip* expected = expectedAt(hour, minute);
            if (HasFatalFailure())
                return;
            tickAndWait(hour, minute, 0, expected, played);
            tickAndWait(hour, minute, 30, nullptr, played); // the same minute: the title only
            ASSERT_EQ(window->Title(), QString::asprintf("%02d:%02d:30", hour, minute).toStdString());
            if (clickedMinute(hour, minute)) {
                clickMainWindow();
                tickAndWait(hour, minute, 40, expected, played);
            }
            if (minute % 20 == 0) {
                EXPECT_EQ(window->Backdrop() != nullptr, !(hour == 5 && minute == 40));
            }
        }

        keepOpen.reset();
        ASSERT_TRUE(capture.collect()) << "hour " << hour << ": a sound was never released";
        EXPECT_EQ(platform::testing::playbacksInProgress(), 0);
        EXPECT_FALSE(platform::testing::audioDeviceOpen());
        EXPECT_TRUE(played.empty() ? capture.silent() : capture.locate(played).has_value())
            << "hour " << hour << ": expected " << played.size() << " whole clips; " << capture.describe();
    }

    AppFolder folder;
    const Clip& timeClip = Clip::decode(testDataPath(kTimeFixture));
    const Clip& serifClip = Clip::decode(testDataPath(kSerifFixture));
    const Clip& alarmClip = Clip::decode(testDataPath(kAlarmFixture));
};

TEST_F(SoakTest, ADayOfMinutesPlaysEveryClipReleasesEverySoundAndKeepsTheHeapFlat)
{
    std::vector<std::size_t> heapAfterHour;
    for (int hour = 0; hour < 24; ++hour) {
        runHour(hour);
        if (HasFatalFailure())
            return;
        heapAfterHour.push_back(heapInUse());
    }
    for (int hour = 1; hour < 24; ++hour) {
        const std::size_t now = heapAfterHour[std::size_t(hour)];
        EXPECT_LT(now, heapAfterHour[0] + kHeapGrowthBound)
            << "after hour " << hour << " the heap held " << now - heapAfterHour[0] << " bytes more than after the first";
    }
}

} // namespace
