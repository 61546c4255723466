#include "support/AppFolder.h"
#include "support/AudioCapture.h"
#include "support/Pictures.h"
#include "support/TestRuntime.h"

#include "clock/MainWindow.h"
#include "platform/Picture.h"

#include <gtest/gtest.h>

#include <QDir>

using vemra::test::AppFolder;
using vemra::test::AudioCapture;
using vemra::test::Clip;
using vemra::test::testDataPath;

namespace {

const char* const kTimeFixture = "tone-440-300ms.mp3";
const char* const kSerifFixture = "tone-660-500ms.mp3";
const char* const kAlarmFixture = "tone-880-quiet-200ms.mp3";

QByteArray prefs(int voiceMode, bool alarmOn = false, const char* hour = "00", const char* minute = "00",
                 int alarmVoice = 0, const char* speakers = "1,1,1,1,1,1,1,1,1,1,1,1")
{
    return QByteArray("seiyuOn/Off=") + speakers + "\nalarmOn=" + (alarmOn ? "1" : "0") + "\nalarmHour=" + hour
           + "\nalarmMin=" + minute + "\nalarmVoice=" + QByteArray::number(alarmVoice)
           + "\nvoiceMode=" + QByteArray::number(voiceMode) + "\n";
}

QByteArray alarmCatalogue()
{
    QByteArray text;
    for (int i = 0; i < 24; ++i)
        text += "Alarm%20" + QByteArray::number(i) + "\talarm" + QByteArray::number(i) + ".mp3\r\n";
    return text;
}

class MinuteTickTest : public ::testing::Test {
protected:
    MinuteTickTest()
    {
        folder.writeResource("ActTime.txt", "0000\t1\r0007\t2\r0015\t3\r0030\t4\r0045\t5\r0700\t6\r0701\t13\r");
        folder.writeResource("ActSerif.txt", "0000\t1\r0015\t3\r0030\t4\r0045\t5\r0700\t6\r");
        folder.writeResource("Alarm.txt", alarmCatalogue());
        for (const char* key : {"0000", "0007", "0015", "0030", "0045", "0700", "0701"})
            folder.copyData(kTimeFixture, QString("Sounds/Time/%1.mp3").arg(key));
        for (const char* key : {"0000", "0015", "0045", "0700"}) // no line clip for 0030
            folder.copyData(kSerifFixture, QString("Sounds/Serif/%1.mp3").arg(key));
        folder.copyData(kAlarmFixture, "Sounds/Alarm/alarm3.mp3");
    }

    MainWindow* open(const QByteArray& preferences)
    {
        folder.writePrefs(preferences);
        return mainWindow();
    }

    void tickAt(int hour, int minute, int second = 0)
    {
        vemra::test::setTime(hour, minute, second);
        mainWindow()->mainTimer()->fire();
    }

    // What the minute played: nothing, or `times` whole playbacks of one clip and nothing else.
    void expectPlayed(const Clip* clip, int times = 1)
    {
        ASSERT_TRUE(capture.collect());
        if (clip == nullptr)
            EXPECT_TRUE(capture.silent()) << capture.describe();
        else
            EXPECT_TRUE(capture.playedExactly(*clip, times)) << capture.describe();
    }

    AppFolder folder;
    AudioCapture capture;
    const Clip& timeClip = Clip::decode(testDataPath(kTimeFixture));
    const Clip& serifClip = Clip::decode(testDataPath(kSerifFixture));
    const Clip& alarmClip = Clip::decode(testDataPath(kAlarmFixture));
};

TEST_F(MinuteTickTest, TheFirstTickActsOnTheCurrentMinuteEvenAtMidnight)
{
    folder.writeData("Photos/0000.jpg", vemra::test::jpegBytes(Qt::darkBlue));
    MainWindow* window = open(prefs(0));
    tickAt(0, 0, 1);
    EXPECT_EQ(window->Title(), "00:00:01");
    ASSERT_NE(window->Backdrop(), nullptr);
    EXPECT_EQ(window->Backdrop()->Width(), 320);
    expectPlayed(&serifClip);
}

TEST_F(MinuteTickTest, LaterTicksOfTheSameMinuteOnlySetTheTitle)
{
    MainWindow* window = open(prefs(0));
    tickAt(0, 7, 0);
    expectPlayed(&timeClip);
    folder.writeData("Photos/0007.jpg", vemra::test::jpegBytes(Qt::red));
    tickAt(0, 7, 30);
    EXPECT_EQ(window->Title(), "00:07:30");
    EXPECT_EQ(window->Backdrop(), nullptr);
    expectPlayed(&timeClip); // still the one playback from the first tick
}

TEST_F(MinuteTickTest, AClickInTheAlarmMinuteSoundsTheAlarmAgain)
{
    MainWindow* window = open(prefs(0, true, "00", "07", 3));
    tickAt(0, 7, 0);
    window->lastTime = ""; // what a click does
    tickAt(0, 7, 10);
    expectPlayed(&alarmClip, 2);
}

TEST_F(MinuteTickTest, SeveralClicksBetweenTwoTicksReplayTheMinuteOnce)
{
    MainWindow* window = open(prefs(0));
    tickAt(0, 45, 0);
    window->lastTime = "";
    window->lastTime = "";
    tickAt(0, 45, 1);
    tickAt(0, 45, 2);
    expectPlayed(&serifClip, 2);
}

TEST_F(MinuteTickTest, TheAlarmTakesThePlaceOfTheAnnouncementEvenWhenItsSoundIsMissing)
{
    open(prefs(0, true, "00", "15", 5)); // alarm5.mp3 does not exist
    tickAt(0, 15);
    expectPlayed(nullptr);
}

TEST_F(MinuteTickTest, TheAlarmIsComparedAsTwoDigitTexts)
{
    for (auto [hour, minute] : {std::pair{"24", "07"}, std::pair{"0", "07"}, std::pair{"00", "7"}}) {
        MainWindow* window = open(prefs(3, true, hour, minute, 3));
        tickAt(0, 7);
        expectPlayed(nullptr);
        window->Close();
    }
}

struct ModeCase {
    int voiceMode;
    int minute;
    const char* plays; // "serif", "time" or ""
};

class VoiceModeTest : public MinuteTickTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(VoiceModeTest, EachModeAnnouncesWhatItSays)
{
    const ModeCase& c = GetParam();
    open(prefs(c.voiceMode));
    tickAt(0, c.minute);
    const std::string plays = c.plays;
    expectPlayed(plays == "serif" ? &serifClip : plays == "time" ? &timeClip : nullptr);
}

INSTANTIATE_TEST_SUITE_P(QuarterHourAndOtherMinutes, VoiceModeTest,
                         ::testing::Values(ModeCase{0, 15, "serif"}, ModeCase{0, 7, "time"},
                                           ModeCase{1, 45, "serif"}, ModeCase{1, 7, ""},
                                           ModeCase{2, 45, "time"}, ModeCase{2, 7, "time"},
                                           ModeCase{3, 15, ""}, ModeCase{3, 7, ""},
                                           ModeCase{7, 15, ""}, ModeCase{-1, 7, ""},
                                           ModeCase{0, 30, ""})); // line clip missing: no time instead

TEST_F(MinuteTickTest, ASpeakerSwitchedOffIsSilent)
{
    open(prefs(0, false, "00", "00", 0, "1,1,0,1,1,1,1,1,1,1,1,1"));
    tickAt(0, 15); // speaker 3's line
    expectPlayed(nullptr);
}

TEST_F(MinuteTickTest, EveryMatchingEntryWithItsSpeakerOnStartsTheClip)
{
    folder.writeResource("ActSerif.txt", "0015\t1\r0015\t2\r0015\t3\r0016\t1\r");
    open(prefs(0, false, "00", "00", 0, "1,0,1,1,1,1,1,1,1,1,1,1"));
    tickAt(0, 15);
    expectPlayed(&serifClip, 2);
}

TEST_F(MinuteTickTest, TheLastElementOfACatalogueIsNeverExamined)
{
    folder.writeResource("ActTime.txt", "0000\t1\r0007\t2"); // no final CR
    open(prefs(0));
    tickAt(0, 7);
    expectPlayed(nullptr);
}

TEST_F(MinuteTickTest, ACatalogueSavedWithCrLfMatchesOnlyItsFirstLine)
{
    folder.writeResource("ActTime.txt", "0000\t1\r\n0007\t2\r\n");
    open(prefs(timeOnly));
    tickAt(0, 7);
    expectPlayed(nullptr);
    mainWindow()->lastTime = "";
    tickAt(0, 0);
    expectPlayed(&timeClip);
}

TEST_F(MinuteTickTest, SpeakerNumbersThatNameNoSwitchArePassedOver)
{
    folder.writeResource("ActTime.txt", "0007\t0\r0007\t14\r0007\t-1\r0007\tx\r0007\t2.5\r0007\t\r0007\t13\r0007\t99999999999\r");
    open(prefs(0));
    tickAt(0, 7);
    expectPlayed(nullptr);
}

TEST_F(MinuteTickTest, AnAlarmVoiceOutsideTheCatalogueSoundsNoAlarm)
{
    for (int voice : {24, -1, 1000}) {
        MainWindow* window = open(prefs(0, true, "00", "07", voice));
        tickAt(0, 7);
        expectPlayed(nullptr);
        window->Close();
    }
}

TEST_F(MinuteTickTest, ShortOrEmptyCataloguesNeverCrash)
{
    folder.writeResource("ActTime.txt", "");
    folder.writeResource("ActSerif.txt", "0015");
    folder.writeResource("Alarm.txt", "");
    open(prefs(0, true, "00", "07", 3));
    tickAt(0, 7);
    mainWindow()->lastTime = "";
    tickAt(0, 15);
    expectPlayed(nullptr);
}

TEST_F(MinuteTickTest, ClipsThatCannotBeDecodedArePassedOver)
{
    folder.writeData("Sounds/Time/0007.mp3", "this is not an MP3");
    folder.writeData("Sounds/Serif/0015.mp3", "");
    open(prefs(0));
    tickAt(0, 7);
    mainWindow()->lastTime = "";
    tickAt(0, 15);
    expectPlayed(nullptr);
}

TEST_F(MinuteTickTest, PhotosFollowTheMinuteAndAMissingOneKeepsThePrevious)
{
    folder.writeData("Photos/0007.jpg", vemra::test::jpegBytes(Qt::green));
    folder.writeData("Photos/0030.jpg", "not a picture");
    MainWindow* window = open(prefs(3));
    tickAt(0, 7);
    auto first = window->Backdrop();
    ASSERT_NE(first, nullptr);
    tickAt(0, 15); // no photo: the last one stays
    EXPECT_EQ(window->Backdrop(), first);
    tickAt(0, 30); // a photo that cannot be read shows none
    EXPECT_EQ(window->Backdrop(), nullptr);
}

TEST_F(MinuteTickTest, ADataFolderAddedWhileRunningIsUsedFromTheNextMinute)
{
    QDir(folder.root() + "/vemra-dorat").removeRecursively();
    open(prefs(0));
    tickAt(0, 7);
    expectPlayed(nullptr);
    folder.copyData(kTimeFixture, "Sounds/Time/0700.mp3", "Vemra Dorat.app");
    tickAt(7, 0); // a quarter hour whose line clip is missing: silence
    expectPlayed(nullptr);
    folder.copyData(kTimeFixture, "Sounds/Time/0701.mp3", "Vemra Dorat.app");
    folder.writeResource("ActTime.txt", "ignored: the catalogues are read once");
    mainWindow()->settings.nameCheck(12) = true; // 0701 names speaker 13, whose switch no file sets
    tickAt(7, 1);
    expectPlayed(&timeClip);
}

} // namespace
