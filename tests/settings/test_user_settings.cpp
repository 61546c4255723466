#include "support/AppFolder.h"

#include "clock/MainWindow.h"
#include "platform/Testing.h"
#include "settings/UserSettings.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QWidget>

#include <csignal>
#include <sys/resource.h>

using vemra::test::AppFolder;

namespace {

const QByteArray kDefaultFile = "seiyuOn/Off=1,1,1,1,1,1,1,1,1,1,1,1\n"
                                "alarmOn=0\n"
                                "alarmHour=00\n"
                                "alarmMin=00\n"
                                "alarmVoice=0\n"
                                "voiceMode=0\n";

std::vector<bool> speakers(const UserSettings& settings)
{
    std::vector<bool> on;
    for (int i = 0; i <= settings.nameCheck.Ubound(); ++i)
        on.push_back(settings.nameCheck(i));
    return on;
}

UserSettings readSettings()
{
    UserSettings settings;
    readPreferencesFile(settings);
    return settings;
}

std::vector<bool> firstSpeakersOn(int count)
{
    std::vector<bool> on(13, false);
    for (int i = 0; i < count; ++i)
        on[std::size_t(i)] = true;
    return on;
}

class UserSettingsTest : public ::testing::Test {
protected:
    AppFolder folder;
};

TEST_F(UserSettingsTest, FirstRunUsesTheDefaultsAndSavesThemByteForByte)
{
    MainWindow* window = mainWindow();
    EXPECT_EQ(speakers(window->settings), firstSpeakersOn(12)); // element 12 stays off
    EXPECT_FALSE(window->settings.alarmCheck);
    EXPECT_EQ(window->settings.alarmHour, "00");
    EXPECT_EQ(window->settings.alarmMin, "00");
    EXPECT_EQ(window->settings.alarmVoice, 0);
    EXPECT_EQ(window->settings.voiceMode, 0);

    window->Close();
    EXPECT_EQ(folder.readPrefs(), kDefaultFile);
    EXPECT_TRUE(platform::testing::quitCalled());
    EXPECT_EQ(platform::testing::quitCode(), 0);
}

TEST_F(UserSettingsTest, ReadsLinesByPositionAndOnlyAnExactOneCountsAsOn)
{
    folder.writePrefs("seiyuOn/Off=1,0\r\n"
                      "alarmOn=01\r\n"
                      "alarmMin=30\r\n"   // lines 3 and 4 swapped: the keys are never read
                      "alarmHour=07\r\n"
                      "x=5.9\r\n"
                      "anything=2=junk\r\n"
                      "extra=line\r\n");
    const UserSettings settings = readSettings();
    EXPECT_EQ(speakers(settings), firstSpeakersOn(1));
    EXPECT_FALSE(settings.alarmCheck);
    EXPECT_EQ(settings.alarmHour, "30");
    EXPECT_EQ(settings.alarmMin, "07");
    EXPECT_EQ(settings.alarmVoice, 5);
    EXPECT_EQ(settings.voiceMode, 2); // cut at the second "="
}

TEST_F(UserSettingsTest, FlagsThatAreNotExactlyOneAreOff)
{
    folder.writePrefs("seiyuOn/Off=01, 1,true,1,1 ,1,,1,1,1,1,1\nalarmOn= 1\n");
    const UserSettings settings = readSettings();
    std::vector<bool> expected = {false, false, false, true, false, true, false,
                                  true, true, true, true, true, false};
    EXPECT_EQ(speakers(settings), expected);
    EXPECT_FALSE(settings.alarmCheck);
}

TEST_F(UserSettingsTest, AnEmptyFileIsNotTheDefaults)
{
    folder.writePrefs("");
    const UserSettings settings = readSettings();
    EXPECT_EQ(speakers(settings), std::vector<bool>(13, false));
    EXPECT_FALSE(settings.alarmCheck);
    EXPECT_EQ(settings.alarmHour, "");
    EXPECT_EQ(settings.alarmMin, "");
    EXPECT_EQ(settings.alarmVoice, 0);
    EXPECT_EQ(settings.voiceMode, 0);
}

TEST_F(UserSettingsTest, ReadsOldMacLineEnds)
{
    folder.writePrefs("seiyuOn/Off=0,1,1,1,1,1,1,1,1,1,1,1\ralarmOn=1\ralarmHour=06\ralarmMin=45\ralarmVoice=23\rvoiceMode=3\r");
    const UserSettings settings = readSettings();
    EXPECT_FALSE(settings.nameCheck(0));
    EXPECT_TRUE(settings.nameCheck(1));
    EXPECT_TRUE(settings.alarmCheck);
    EXPECT_EQ(settings.alarmHour, "06");
    EXPECT_EQ(settings.alarmMin, "45");
    EXPECT_EQ(settings.alarmVoice, 23);
    EXPECT_EQ(settings.voiceMode, 3);
}

TEST_F(UserSettingsTest, EverySettingSurvivesARoundTrip)
{
    MainWindow* window = mainWindow();
    for (int i = 0; i <= 11; ++i)
        window->settings.nameCheck(i) = i % 3 == 0;
    window->settings.alarmCheck = true;
    window->settings.alarmHour = "24";
    window->settings.alarmMin = "59";
    window->settings.alarmVoice = 17;
    window->settings.voiceMode = 1;
    window->Close();
    EXPECT_EQ(folder.readPrefs(), "seiyuOn/Off=1,0,0,1,0,0,1,0,0,1,0,0\n"
                                  "alarmOn=1\nalarmHour=24\nalarmMin=59\nalarmVoice=17\nvoiceMode=1\n");
    platform::testing::processEvents();

    MainWindow* reopened = mainWindow();
    for (int i = 0; i <= 11; ++i)
        EXPECT_EQ(reopened->settings.nameCheck(i), i % 3 == 0) << i;
    EXPECT_TRUE(reopened->settings.alarmCheck);
    EXPECT_EQ(reopened->settings.alarmHour, "24");
    EXPECT_EQ(reopened->settings.alarmMin, "59");
    EXPECT_EQ(reopened->settings.alarmVoice, 17);
    EXPECT_EQ(reopened->settings.voiceMode, 1);
}

TEST_F(UserSettingsTest, AFileEditedWhileRunningIsOverwrittenAtClose)
{
    MainWindow* window = mainWindow();
    folder.writePrefs("seiyuOn/Off=0,0,0,0,0,0,0,0,0,0,0,0\nalarmOn=1\n");
    window->Close();
    EXPECT_EQ(folder.readPrefs(), kDefaultFile);
}

TEST_F(UserSettingsTest, AMissingPreferencesFolderIsMade)
{
    platform::testing::setPreferencesFolder((folder.root() + "/fresh/account/.config").toStdString());
    mainWindow()->Close();
    QFile written(folder.root() + "/fresh/account/.config/vemraViewer Prefs");
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), kDefaultFile);
}

TEST_F(UserSettingsTest, AFolderThatCannotBeMadeIsReportedAndTheClockDoesNotClaimSuccess)
{
    folder.writeFile("not-a-folder", "a file where the folder should be");
    platform::testing::setPreferencesFolder((folder.root() + "/not-a-folder/config").toStdString());
    MainWindow* window = mainWindow();
    const int errorsBefore = platform::testing::reportedErrors();
    window->Close();
    EXPECT_EQ(platform::testing::reportedErrors(), errorsBefore + 1);
    EXPECT_NE(platform::testing::lastReportedError().find("IOException"), std::string::npos);
    EXPECT_FALSE(platform::testing::quitCalled()); // the framework then ends with a failure status
}

// A write that fails half-way (here: the file size limit) must leave the old file whole.
TEST_F(UserSettingsTest, AFailedWriteLeavesThePreviousFileWhole)
{
    const QByteArray previous = "seiyuOn/Off=1,1,1,1,1,1,1,1,1,1,1,0\nalarmOn=1\nalarmHour=07\nalarmMin=00\nalarmVoice=2\nvoiceMode=2\n";
    folder.writePrefs(previous);
    MainWindow* window = mainWindow();
    window->settings.alarmHour = "08";

    struct rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = saved;
    tiny.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &tiny);
    window->Close();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(folder.readPrefs(), previous);
    EXPECT_FALSE(platform::testing::quitCalled());
}

TEST_F(UserSettingsTest, AFileThatCannotBeOpenedIsReportedAndNotOverwritten)
{
    QDir().mkpath(folder.prefsFilePath()); // exists, but cannot be opened as a file
    const int errorsBefore = platform::testing::reportedErrors();
    MainWindow* window = mainWindow();
    EXPECT_EQ(platform::testing::reportedErrors(), errorsBefore + 1);
    EXPECT_NE(platform::testing::lastReportedError().find("NilObjectException"), std::string::npos);

    window->Close();
    EXPECT_EQ(platform::testing::reportedErrors(), errorsBefore + 2);
    EXPECT_TRUE(QFileInfo(folder.prefsFilePath()).isDir());
    EXPECT_FALSE(platform::testing::quitCalled());
}

TEST_F(UserSettingsTest, TheQuitItemSavesLikeTheCloseBox)
{
    MainWindow* window = mainWindow();
    window->settings.voiceMode = 2;
    QAction* quit = nullptr;
    for (QAction* action : window->contentWidget()->window()->findChildren<QAction*>())
        if (action->text() == QStringLiteral("終了"))
            quit = action;
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    quit->trigger();
    platform::testing::processEvents();
    EXPECT_TRUE(folder.readPrefs().endsWith("voiceMode=2\n"));
    EXPECT_TRUE(platform::testing::quitCalled());
    EXPECT_EQ(platform::testing::quitCode(), 0);
}

} // namespace
