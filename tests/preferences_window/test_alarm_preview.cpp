// The preview button plays the alarm voice selected now, from the data folder as it stands at
// that press, and never stops a playback: each case is heard through SDL's disk driver.

#include "support/AppFolder.h"
#include "support/AudioCapture.h"
#include "support/PreferencesDialog.h"
#include "support/TestRuntime.h"

#include "clock/MainWindow.h"
#include "platform/Controls.h"
#include "preferences_window/PrefWindow.h"

#include <gtest/gtest.h>

#include <QDir>

using platform::Array;
using platform::String;
using vemra::test::AppFolder;
using vemra::test::AudioCapture;
using vemra::test::choosePreferences;
using vemra::test::Clip;
using vemra::test::openPrefWindow;
using vemra::test::percentEncodedCatalogue;
using vemra::test::testDataPath;

namespace {

const Clip& shortTone() { return Clip::decode(testDataPath("tone-440-300ms.mp3")); }
const Clip& longTone() { return Clip::decode(testDataPath("tone-660-500ms.mp3")); }

// Alarm voice 0 is a file with the usual extension, voice 3 one without any, voices 5 to 8 lead
// nowhere; the others name files that are not there.
QList<QByteArray> alarmCatalogue()
{
    QList<QByteArray> lines = vemra::test::alarmLines(24);
    lines[0] = "Bell\tbell.mp3";
    lines[3] = "Chime\tchime";
    lines[5] = "Escape\t../escape.mp3";
    lines[6] = "No file name";
    lines[7] = "Not a sound\tnotes.mp3";
    lines[8] = "A folder\tAlarm folder";
    return lines;
}

class AlarmPreviewTest : public ::testing::Test {
protected:
    AppFolder folder;
    AudioCapture capture;

    void SetUp() override
    {
        folder.writeResource("ActMain.txt", percentEncodedCatalogue(vemra::test::speakerLines(12)));
        folder.writeResource("Alarm.txt", percentEncodedCatalogue(alarmCatalogue()));
    }

    void installSounds()
    {
        folder.copyData("tone-440-300ms.mp3", "Sounds/Alarm/bell.mp3");
        folder.copyData("tone-660-500ms.mp3", "Sounds/Alarm/chime");
        folder.copyData("tone-440-300ms.mp3", "Sounds/escape.mp3");
        folder.writeData("Sounds/Alarm/notes.mp3", "these are notes, not sound");
        QDir().mkpath(folder.dataPath() + "/Sounds/Alarm/Alarm folder");
    }

    static void preview(PrefWindow& dialog, int row)
    {
        dialog.alarmVoicePopup()->setListIndex(row);
        dialog.PushButton3()->push();
    }
};

TEST_F(AlarmPreviewTest, PlaysTheRowSelectedNowToItsEndEvenAfterCancelWithTheAlarmOff)
{
    installSounds();
    MainWindow* clock = mainWindow();
    ASSERT_FALSE(clock->settings.alarmCheck);
    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        preview(dialog, 3);
        dialog.PushButton2()->push();
    }));
    ASSERT_TRUE(capture.collect()) << capture.describe();
    EXPECT_TRUE(capture.playedExactly(longTone(), 1)) << capture.describe();
    EXPECT_EQ(clock->settings.alarmVoice, 0);
}

TEST_F(AlarmPreviewTest, TwoQuickPressesStartTwoPlaybacksAndNeitherIsCutOff)
{
    installSounds();
    mainWindow();
    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        preview(dialog, 0);
        dialog.PushButton3()->push();
        dialog.PushButton1()->push();
    }));
    ASSERT_TRUE(capture.collect()) << capture.describe();
    EXPECT_TRUE(capture.playedExactly(shortTone(), 2)) << capture.describe();

    // Another voice chosen between two presses: each press plays the row selected at that moment.
    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        preview(dialog, 3);
        preview(dialog, 0);
        dialog.PushButton2()->push();
    }));
    ASSERT_TRUE(capture.collect()) << capture.describe();
    const auto starts = capture.locate({&shortTone(), &shortTone(), &longTone(), &shortTone()});
    EXPECT_TRUE(starts.has_value()) << capture.describe();
}

TEST_F(AlarmPreviewTest, AMissingOrUnusableFilePlaysNothingAndTheDialogStays)
{
    installSounds();
    mainWindow();
    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        for (int row : {1, 5, 6, 7, 8, 23}) {
            SCOPED_TRACE(row);
            preview(dialog, row);
            EXPECT_EQ(openPrefWindow(), &dialog);
            EXPECT_EQ(dialog.alarmVoicePopup()->ListIndex(), row);
        }
        dialog.PushButton2()->push();
    }));
    ASSERT_TRUE(capture.collect()) << capture.describe();
    EXPECT_TRUE(capture.silent()) << capture.describe();
}

TEST_F(AlarmPreviewTest, TheDataFolderIsLookedUpAfreshAtEachPress)
{
    mainWindow();
    EXPECT_TRUE(choosePreferences([&](PrefWindow& dialog) {
        preview(dialog, 0); // no data folder yet
        folder.copyData("tone-440-300ms.mp3", "Sounds/Alarm/bell.mp3", "Vemra Dorat.app");
        preview(dialog, 0);
        dialog.PushButton1()->push();
    }));
    ASSERT_TRUE(capture.collect()) << capture.describe();
    EXPECT_TRUE(capture.playedExactly(shortTone(), 1)) << capture.describe();
}

TEST_F(AlarmPreviewTest, NoSelectionOrARowPastTheCataloguePlaysNothing)
{
    installSounds();
    MainWindow* clock = mainWindow();
    clock->settings.alarmVoice = 99;
    EXPECT_TRUE(choosePreferences([&](PrefWindow& dialog) {
        EXPECT_EQ(dialog.alarmVoicePopup()->ListIndex(), -1);
        dialog.PushButton3()->push();

        // The catalogue can only be shorter than the rows if it changed under the dialog.
        dialog.alarmVoicePopup()->setListIndex(20);
        clock->catalogues.alarmArray = Array<String>(std::vector<String>{"Bell\tbell.mp3"});
        dialog.PushButton3()->push();
        dialog.PushButton2()->push();
    }));
    ASSERT_TRUE(capture.collect()) << capture.describe();
    EXPECT_TRUE(capture.silent()) << capture.describe();
}

} // namespace
