// OK hands the dialog's values to the running clock; Cancel, the Escape key and a window
// manager's close button drop them. Each case goes the user's way: the menu item, the modal
// dialog, a click or a key, and then the main window's settings or the preferences file.

#include "support/AppFolder.h"
#include "support/NonRegularFiles.h"
#include "support/PreferencesDialog.h"

#include "clock/MainWindow.h"
#include "platform/Controls.h"
#include "platform/Testing.h"
#include "preferences_window/PrefWindow.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFileInfo>
#include <QTest>
#include <QWidget>

using platform::Array;
using platform::String;
using vemra::test::AppFolder;
using vemra::test::choosePreferences;
using vemra::test::percentEncodedCatalogue;

namespace {

const QByteArray kStoredPrefs = "seiyuOn/Off=1,1,1,1,1,1,1,1,1,1,1,1\r"
                                "alarmOn=0\ralarmHour=7\ralarmMin=30\ralarmVoice=2\rvoiceMode=1\r";

// The settings of the main window, to compare before and after.
struct Settings {
    std::vector<bool> nameCheck;
    bool alarmCheck;
    String alarmHour, alarmMin;
    std::int32_t alarmVoice, voiceMode;

    static Settings of(MainWindow& window)
    {
        Settings settings{{}, window.settings.alarmCheck, window.settings.alarmHour, window.settings.alarmMin, window.settings.alarmVoice, window.settings.voiceMode};
        for (int i = 0; i <= window.settings.nameCheck.Ubound(); ++i)
            settings.nameCheck.push_back(window.settings.nameCheck(i));
        return settings;
    }
    bool operator==(const Settings&) const = default;
};

class PrefWindowOkCancelTest : public ::testing::Test {
protected:
    AppFolder folder;

    void SetUp() override
    {
        folder.writeResource("ActMain.txt", percentEncodedCatalogue(vemra::test::speakerLines(12)));
        folder.writeResource("Alarm.txt", percentEncodedCatalogue(vemra::test::alarmLines(24)));
    }

    // Makes every control of the dialog show something other than what it opened with.
    static void editEverything(PrefWindow& dialog)
    {
        for (int i = 0; i < 12; ++i)
            QTest::mouseClick(dialog.nameCheck(i)->widget(), Qt::LeftButton);
        QTest::mouseClick(dialog.alarmCheck()->widget(), Qt::LeftButton);
        dialog.alarmHourPopup()->setListIndex(23);
        dialog.alarmMinPopup()->setListIndex(59);
        dialog.alarmVoicePopup()->setListIndex(20);
        dialog.voiceMode()->setListIndex(3);
    }
};

TEST_F(PrefWindowOkCancelTest, OkWithoutChangesWritesBackWhatWasShownAndSavesItAtOnce)
{
    folder.writePrefs(kStoredPrefs);
    MainWindow* clock = mainWindow();
    clock->settings.nameCheck(12) = true;
    const Settings before = Settings::of(*clock);

    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) { dialog.PushButton1()->push(); }));

    Settings expected = before;
    expected.alarmHour = "07"; // the row's text, not the hand-edited "7"
    EXPECT_EQ(Settings::of(*clock), expected);
    const QByteArray saved = "seiyuOn/Off=1,1,1,1,1,1,1,1,1,1,1,1\n"
                             "alarmOn=0\nalarmHour=07\nalarmMin=30\nalarmVoice=2\nvoiceMode=1\n";
    EXPECT_EQ(folder.readPrefs(), saved); // a kill now would lose nothing

    clock->Close();
    platform::testing::processEvents();
    EXPECT_EQ(folder.readPrefs(), saved);
}

// The file could not be read at start-up; once OK has set all six settings they are the
// user's, and both OK and the close save them.
TEST_F(PrefWindowOkCancelTest, SettingsThatCouldNotBeReadAreSavedOnceOkHasSetThemAll)
{
    vemra::test::makeNamedPipe(folder.prefsFilePath());
    const int errors = platform::testing::reportedErrors();
    MainWindow* clock = mainWindow();
    ASSERT_EQ(platform::testing::reportedErrors(), errors + 1); // the pipe is not read

    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        dialog.voiceMode()->setListIndex(2);
        dialog.PushButton1()->push();
    }));
    const QByteArray chosen = "seiyuOn/Off=0,0,0,0,0,0,0,0,0,0,0,0\n"
                              "alarmOn=0\nalarmHour=00\nalarmMin=00\nalarmVoice=0\nvoiceMode=2\n";
    ASSERT_TRUE(QFileInfo(folder.prefsFilePath()).isFile()); // reading the pipe would wait for ever
    EXPECT_EQ(folder.readPrefs(), chosen);

    clock->Close();
    EXPECT_TRUE(platform::testing::quitCalled());
    EXPECT_EQ(folder.readPrefs(), chosen);
}

TEST_F(PrefWindowOkCancelTest, ASaveThatFailsAtOkIsReportedAndTheDialogStillHandsBackAndCloses)
{
    folder.writeFile("not-a-folder", "a file where the preferences folder should be");
    platform::testing::setPreferencesFolder((folder.root() + "/not-a-folder/config").toStdString());
    MainWindow* clock = mainWindow();
    const int errors = platform::testing::reportedErrors();

    PrefWindow* dialog = prefWindow();
    dialog->voiceMode()->setListIndex(3);
    dialog->PushButton1()->push();
    platform::testing::processEvents();

    EXPECT_EQ(vemra::test::openPrefWindow(), nullptr);
    EXPECT_EQ(clock->settings.voiceMode, 3);
    EXPECT_EQ(platform::testing::reportedErrors(), errors + 1);
    EXPECT_NE(platform::testing::lastReportedError().find("IOException"), std::string::npos);
}

TEST_F(PrefWindowOkCancelTest, OkAfterUntickingTheThirdSpeakerChangesThatSpeakerOnly)
{
    MainWindow* clock = mainWindow();
    const Settings before = Settings::of(*clock);

    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        QTest::mouseClick(dialog.nameCheck(2)->widget(), Qt::LeftButton);
        EXPECT_FALSE(dialog.nameCheck(2)->Value());
        dialog.PushButton1()->push();
    }));

    Settings expected = before;
    expected.nameCheck[2] = false;
    EXPECT_EQ(Settings::of(*clock), expected);
    EXPECT_FALSE(clock->settings.nameCheck(12)); // belongs to no box
}

TEST_F(PrefWindowOkCancelTest, OkStoresEveryEditedValueTheRowsTextsAndIndices)
{
    MainWindow* clock = mainWindow();
    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        editEverything(dialog);
        dialog.alarmHourPopup()->setListIndex(24);
        dialog.alarmVoicePopup()->setListIndex(23);
        dialog.PushButton1()->push();
    }));
    for (int i = 0; i < 12; ++i)
        EXPECT_FALSE(clock->settings.nameCheck(i)) << i;
    EXPECT_TRUE(clock->settings.alarmCheck);
    EXPECT_EQ(clock->settings.alarmHour, "24");
    EXPECT_EQ(clock->settings.alarmMin, "59");
    EXPECT_EQ(clock->settings.alarmVoice, 23);
    EXPECT_EQ(clock->settings.voiceMode, 3);

    // ...and the next showing opens on them.
    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        EXPECT_FALSE(dialog.nameCheck(5)->Value());
        EXPECT_TRUE(dialog.alarmCheck()->Value());
        EXPECT_EQ(dialog.alarmHourPopup()->Text(), "24");
        EXPECT_EQ(dialog.alarmVoicePopup()->ListIndex(), 23);
        EXPECT_EQ(dialog.voiceMode()->Text(), "なし");
        dialog.PushButton2()->push();
    }));
}

TEST_F(PrefWindowOkCancelTest, CancelAfterEditsKeepsTheSettingsAndReopeningShowsThem)
{
    folder.writePrefs(kStoredPrefs);
    MainWindow* clock = mainWindow();
    const Settings before = Settings::of(*clock);

    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        editEverything(dialog);
        dialog.PushButton2()->push();
    }));
    EXPECT_EQ(Settings::of(*clock), before);

    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        EXPECT_TRUE(dialog.nameCheck(0)->Value());
        EXPECT_FALSE(dialog.alarmCheck()->Value());
        EXPECT_EQ(dialog.alarmHourPopup()->Text(), "07");
        EXPECT_EQ(dialog.alarmMinPopup()->Text(), "30");
        EXPECT_EQ(dialog.alarmVoicePopup()->ListIndex(), 2);
        EXPECT_EQ(dialog.voiceMode()->ListIndex(), 1);
        dialog.PushButton2()->push();
    }));
    EXPECT_EQ(Settings::of(*clock), before);
}

TEST_F(PrefWindowOkCancelTest, ReturnPressesOkAndEscapePressesCancel)
{
    MainWindow* clock = mainWindow();
    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        dialog.voiceMode()->setListIndex(2);
        QTest::keyClick(dialog.contentWidget()->window(), Qt::Key_Escape);
    }));
    EXPECT_EQ(clock->settings.voiceMode, 0);

    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        dialog.voiceMode()->setListIndex(2);
        QTest::keyClick(dialog.contentWidget()->window(), Qt::Key_Return);
    }));
    EXPECT_EQ(clock->settings.voiceMode, 2);
}

TEST_F(PrefWindowOkCancelTest, AWindowManagersCloseButtonActsAsCancel)
{
    MainWindow* clock = mainWindow();
    const Settings before = Settings::of(*clock);
    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        editEverything(dialog);
        dialog.contentWidget()->window()->close();
    }));
    EXPECT_EQ(Settings::of(*clock), before);
    EXPECT_FALSE(platform::testing::quitCalled()); // closing the dialog does not end the clock
}

TEST_F(PrefWindowOkCancelTest, OkKeepsAStoredValueWhoseMenuWasLeftWithoutASelection)
{
    MainWindow* clock = mainWindow();
    clock->settings.alarmHour = "31";
    clock->settings.alarmMin = "75";
    clock->settings.alarmVoice = 40;
    clock->settings.voiceMode = 9;
    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        QTest::mouseClick(dialog.alarmCheck()->widget(), Qt::LeftButton);
        dialog.PushButton1()->push();
    }));
    EXPECT_TRUE(clock->settings.alarmCheck);
    EXPECT_EQ(clock->settings.alarmHour, "31");
    EXPECT_EQ(clock->settings.alarmMin, "75");
    EXPECT_EQ(clock->settings.alarmVoice, 40);
    EXPECT_EQ(clock->settings.voiceMode, 9);

    // A row chosen in such a menu is stored as usual.
    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        dialog.voiceMode()->setListIndex(1);
        dialog.alarmMinPopup()->setListIndex(15);
        dialog.PushButton1()->push();
    }));
    EXPECT_EQ(clock->settings.voiceMode, 1);
    EXPECT_EQ(clock->settings.alarmMin, "15");
    EXPECT_EQ(clock->settings.alarmHour, "31");
}

TEST_F(PrefWindowOkCancelTest, OkWithAShortAlarmCatalogueStoresOnlyARowThatExists)
{
    MainWindow* clock = mainWindow();
    clock->catalogues.alarmArray = Array<String>(std::vector<String>{"Bell\tbell.mp3", "Chime\tchime.mp3"});
    clock->settings.alarmVoice = 5;
    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        EXPECT_EQ(dialog.alarmVoicePopup()->ListCount(), 2);
        dialog.PushButton1()->push();
    }));
    EXPECT_EQ(clock->settings.alarmVoice, 5);

    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        dialog.alarmVoicePopup()->setListIndex(1);
        dialog.PushButton1()->push();
    }));
    EXPECT_EQ(clock->settings.alarmVoice, 1);
}

} // namespace
