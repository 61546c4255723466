// Catalogues, photos and the preferences file that are not plain files: a named pipe nobody
// writes to, a device that never ends, a sparse file of gigabytes. None may hang the clock
// or take its memory.
#include "support/AppFolder.h"
#include "support/AudioCapture.h"
#include "support/MinuteTicks.h"
#include "support/Pictures.h"
#include "support/PreferencesDialog.h"
#include "support/NonRegularFiles.h"

#include "clock/MainWindow.h"
#include "platform/Controls.h"
#include "platform/Testing.h"
#include "preferences_window/PrefWindow.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

using namespace vemra::test;
using platform::Array;
using platform::String;

namespace {

constexpr std::int64_t kGigabyte = std::int64_t(1) << 30;

bool emptyCatalogue(const Array<String>& catalogue)
{
    return catalogue.Count() == 0 || (catalogue.Count() == 1 && catalogue(0).empty());
}

class NonRegularFilesTest : public ::testing::Test {
protected:
    AppFolder folder;
    const int errorsBefore = platform::testing::reportedErrors();
};

TEST_F(NonRegularFilesTest, CataloguesThatAreNotPlainFilesLoadAsEmptyAndTheRestStillLoads)
{
    makeNamedPipe(folder.resourcesPath() + "/ActTime.txt");
    makeLink(folder.resourcesPath() + "/ActSerif.txt", "/dev/zero");
    makeSparseFile(folder.resourcesPath() + "/Alarm.txt", 4 * kGigabyte);
    folder.writeResource("ActMain.txt", "1\tone\tphoto1\r\n");
    folder.writePrefs(preferencesText({.voiceMode = 2}));

    MainWindow* window = mainWindow();
    EXPECT_TRUE(emptyCatalogue(window->catalogues.timeArray));
    EXPECT_TRUE(emptyCatalogue(window->catalogues.serifArray));
    EXPECT_TRUE(emptyCatalogue(window->catalogues.alarmArray));
    EXPECT_EQ(window->catalogues.seiyuName(0), "1\tone\tphoto1");
    EXPECT_EQ(window->settings.voiceMode, 2); // the settings were read after the catalogues
    EXPECT_EQ(platform::testing::reportedErrors(), errorsBefore);
}

TEST_F(NonRegularFilesTest, APhotoThatIsNotAPlainFileClearsTheBackdrop)
{
    folder.writeData("Photos/0007.jpg", jpegBytes(Qt::blue));
    makeNamedPipe(folder.dataPath() + "/Photos/0008.jpg");
    folder.writeData("Photos/0009.jpg", jpegBytes(Qt::red));
    makeLink(folder.dataPath() + "/Photos/0010.jpg", "/dev/urandom");
    MainWindow* window = mainWindow();

    for (int minute : {7, 8, 9, 10}) {
        tickAt(0, minute, 5);
        EXPECT_EQ(window->Title(), QString::asprintf("00:%02d:05", minute).toStdString());
        EXPECT_EQ(window->Backdrop() != nullptr, minute % 2 == 1) << "minute " << minute;
    }
    EXPECT_EQ(platform::testing::reportedErrors(), errorsBefore);
}

TEST_F(NonRegularFilesTest, APreferencesFileThatCannotBeReadIsReportedAndLeftAsItIs)
{
    for (bool pipe : {true, false}) {
        SCOPED_TRACE(pipe ? "a named pipe" : "a sparse file of 4 GiB");
        QFile::remove(folder.prefsFilePath());
        if (pipe)
            makeNamedPipe(folder.prefsFilePath());
        else
            makeSparseFile(folder.prefsFilePath(), 4 * kGigabyte);
        const int errors = platform::testing::reportedErrors();

        MainWindow* window = mainWindow();
        EXPECT_EQ(platform::testing::reportedErrors(), errors + 1);
        EXPECT_NE(platform::testing::lastReportedError().find("NilObjectException"), std::string::npos);
        window->Close();
        platform::testing::processEvents();

        const QFileInfo kept(folder.prefsFilePath());
        EXPECT_EQ(kept.isFile(), !pipe);
        EXPECT_EQ(kept.size(), pipe ? 0 : 4 * kGigabyte);
        EXPECT_FALSE(platform::testing::quitCalled());
    }
}

TEST_F(NonRegularFilesTest, ThePreferencesWindowOpensAndPreviewsPastPipesAndDevices)
{
    folder.writeResource("ActMain.txt", percentEncodedCatalogue(speakerLines(12)));
    folder.writeResource("Alarm.txt", percentEncodedCatalogue(alarmLines(24)));
    folder.writeData("Photos/face-1.jpg", jpegBytes(Qt::blue, 40, 40));
    makeNamedPipe(folder.dataPath() + "/Photos/face-2.jpg");
    makeLink(folder.dataPath() + "/Photos/face-3.jpg", "/dev/zero");
    makeNamedPipe(folder.dataPath() + "/Sounds/Alarm/voice-0.mp3");
    AudioCapture capture;

    EXPECT_TRUE(choosePreferences([](PrefWindow& dialog) {
        EXPECT_NE(dialog.faceImage(0)->Image(), nullptr);
        EXPECT_EQ(dialog.faceImage(1)->Image(), nullptr);
        EXPECT_EQ(dialog.faceImage(2)->Image(), nullptr);
        dialog.alarmVoicePopup()->setListIndex(0);
        dialog.PushButton3()->push(); // the preview of a pipe plays nothing, and returns
        dialog.PushButton2()->push();
    }));
    ASSERT_TRUE(capture.collect());
    EXPECT_TRUE(capture.silent());
    EXPECT_EQ(platform::testing::reportedErrors(), errorsBefore);
}

// A file under /proc reports no size and may go on for ever: the read stops at a bound. The
// error ends the opening before the settings are read, so the placeholders the window holds
// must not replace the stored settings when it closes.
TEST_F(NonRegularFilesTest, ACatalogueThatNeverEndsStopsWithAReadErrorAndTheSettingsSurvive)
{
    if (!QFileInfo("/proc/self/pagemap").isReadable())
        GTEST_SKIP() << "no /proc/self/pagemap here";
    makeLink(folder.resourcesPath() + "/Alarm.txt", "/proc/self/pagemap");
    const QByteArray stored = preferencesText({.alarmOn = true, .alarmHour = "06", .voiceMode = 1});
    folder.writePrefs(stored);

    MainWindow* window = mainWindow();
    EXPECT_EQ(platform::testing::reportedErrors(), errorsBefore + 1);
    EXPECT_NE(platform::testing::lastReportedError().find("IOException"), std::string::npos);
    EXPECT_NE(platform::testing::lastReportedError().find("Alarm.txt"), std::string::npos);
    tickAt(12, 0); // the clock goes on
    EXPECT_EQ(window->Title(), "12:00:00");

    window->Close();
    EXPECT_EQ(folder.readPrefs(), stored);
}

} // namespace
