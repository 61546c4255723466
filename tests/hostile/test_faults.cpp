// Faults around a running clock: its data folder going and coming back, an audio device that
// cannot be opened, a preferences folder or file that refuses writing, catalogues and photos
// that cannot be read, clips that decode in part or not at all. The clock must go on, stay
// silent where it cannot play, lose nothing, and do what it states.
#include "support/AppFolder.h"
#include "support/AudioCapture.h"
#include "support/FilePermissions.h"
#include "support/MinuteTicks.h"
#include "support/Pictures.h"
#include "support/NonRegularFiles.h"
#include "support/TestRuntime.h"

#include "clock/MainWindow.h"
#include "platform/Picture.h"
#include "platform/Testing.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

using namespace vemra::test;
using platform::Array;
using platform::String;

namespace {

const char* const kClipFixture = "tone-440-300ms.mp3";
const char* const kTruncatedFixture = "truncated.mp3";

bool emptyCatalogue(const Array<String>& catalogue)
{
    return catalogue.Count() == 0 || (catalogue.Count() == 1 && catalogue(0).empty());
}

// Sets a file's permission bits for as long as it lives.
class ScopedPermissions {
public:
    ScopedPermissions(QString path, QFile::Permissions permissions)
        : path_(std::move(path)), saved_(QFile::permissions(path_))
    {
        EXPECT_TRUE(QFile::setPermissions(path_, permissions)) << path_.toStdString();
    }
    ~ScopedPermissions() { QFile::setPermissions(path_, saved_); }
    ScopedPermissions(const ScopedPermissions&) = delete;
    ScopedPermissions& operator=(const ScopedPermissions&) = delete;

private:
    QString path_;
    QFile::Permissions saved_;
};

const QFile::Permissions kReadOnlyFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                           | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

class FaultsTest : public ::testing::Test {
protected:
    FaultsTest()
    {
        QByteArray catalogue;
        for (int minute = 1; minute <= 9; ++minute) {
            const QString key = QString::asprintf("00%02d", minute);
            catalogue += key.toLatin1() + "\t1\r";
            folder.copyData(kClipFixture, "Sounds/Time/" + key + ".mp3");
        }
        folder.writeResource("ActTime.txt", catalogue);
        folder.writeData("Photos/0001.jpg", jpegBytes(Qt::blue));
        folder.writeData("Photos/0004.jpg", jpegBytes(Qt::green));
    }

    ~FaultsTest() override { platform::testing::setAudioOutput("", ""); }

    QString dataRoot() const { return folder.root() + "/vemra-dorat"; }
    QString awayRoot() const { return folder.root() + "/vemra-dorat.away"; }

    AppFolder folder;
    const Clip& clip = Clip::decode(testDataPath(kClipFixture));
    const int errorsBefore = platform::testing::reportedErrors();
};

TEST_F(FaultsTest, TheDataFolderMayGoAndComeBackWhileTheClockRuns)
{
    AudioCapture capture;
    MainWindow* window = mainWindow();
    tickAt(0, 1);
    const std::shared_ptr<platform::Picture> first = window->Backdrop();
    ASSERT_NE(first, nullptr);
    letSoundsEnd();

    ASSERT_TRUE(QDir().rename(dataRoot(), awayRoot()));
    tickAt(0, 2, 5);
    EXPECT_EQ(window->Title(), "00:02:05");
    EXPECT_EQ(window->Backdrop(), first); // no photo: the last one stays
    EXPECT_EQ(platform::testing::playbacksInProgress(), 0);

    folder.writeFile("vemra-dorat/Payload/VemraDorat.app", "a file where the data folder should be");
    tickAt(0, 3);
    EXPECT_EQ(window->Backdrop(), first);
    EXPECT_EQ(platform::testing::playbacksInProgress(), 0);

    ASSERT_TRUE(QDir(dataRoot()).removeRecursively());
    ASSERT_TRUE(QDir().rename(awayRoot(), dataRoot()));
    tickAt(0, 4);
    EXPECT_NE(window->Backdrop(), first);
    EXPECT_EQ(platform::testing::playbacksInProgress(), 1);
    // Gone while its clip plays: the clip was read whole when it started, and plays on.
    ASSERT_TRUE(QDir().rename(dataRoot(), awayRoot()));
    tickAt(0, 5);
    EXPECT_EQ(platform::testing::playbacksInProgress(), 1);
    letSoundsEnd();

    ASSERT_TRUE(QDir().rename(awayRoot(), dataRoot()));
    clickMainWindow();
    tickAt(0, 5, 30);
    ASSERT_TRUE(capture.collect());
    EXPECT_TRUE(capture.playedExactly(clip, 3)) << capture.describe(); // 00:01, 00:04, 00:05
    EXPECT_EQ(platform::testing::reportedErrors(), errorsBefore);
}

TEST_F(FaultsTest, AnAudioDeviceThatCannotBeOpenedLeavesTheClockRunningSilently)
{
    platform::testing::setAudioOutput("no-such-audio-driver", "");
    MainWindow* window = mainWindow();
    for (int minute : {1, 2}) {
        tickAt(0, minute, 10);
        // The device is tried on the audio thread; the attempt is over once it is idle.
        ASSERT_TRUE(platform::testing::waitForAudioIdle(30000));
        EXPECT_EQ(window->Title(), QString::asprintf("00:%02d:10", minute).toStdString());
        EXPECT_EQ(window->lastTime, QString::asprintf("00:%02d", minute).toStdString());
        EXPECT_EQ(platform::testing::playbacksInProgress(), 0);
        EXPECT_FALSE(platform::testing::audioDeviceOpen());
    }
    EXPECT_NE(window->Backdrop(), nullptr); // the photo of 00:01 all the same

    AudioCapture capture; // a working device from now on
    clickMainWindow();
    tickAt(0, 2, 30);
    ASSERT_TRUE(capture.collect());
    EXPECT_TRUE(capture.playedExactly(clip, 1)) << capture.describe();
    EXPECT_EQ(platform::testing::reportedErrors(), errorsBefore);
}

// A preferences folder that exists but takes no new file: the settings cannot be saved,
// which is reported, and what the file held stays whole. (A read-only file in a writable
// folder is not tried: root replaces it whatever its permissions say.)
TEST_F(FaultsTest, SettingsThatCannotBeSavedLeaveThePreviousFileWhole)
{
    FilePermissionsEnforced permissions;
    if (!permissions.enforced())
        GTEST_SKIP() << "file permissions do not bind this process";
    const QByteArray previous = preferencesText({.alarmOn = true, .alarmHour = "06", .voiceMode = 1});
    const QString configFolder = QFileInfo(folder.prefsFilePath()).path();
    folder.writePrefs(previous);
    MainWindow* window = mainWindow();
    window->settings.voiceMode = 2;
    {
        ScopedPermissions locked(configFolder, kReadOnlyFolder);
        window->Close();
    }
    EXPECT_EQ(platform::testing::reportedErrors(), errorsBefore + 1);
    EXPECT_NE(platform::testing::lastReportedError().find("IOException"), std::string::npos);
    EXPECT_FALSE(platform::testing::quitCalled());
    EXPECT_EQ(folder.readPrefs(), previous);
    EXPECT_EQ(QDir(configFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"vemraViewer Prefs"}); // no half-written file left beside it
}

TEST_F(FaultsTest, CataloguesThatCannotBeReadAreEmptyAndTheClockGoesOn)
{
    FilePermissionsEnforced permissions;
    QFile::remove(folder.resourcesPath() + "/ActTime.txt");
    QDir().mkpath(folder.resourcesPath() + "/ActTime.txt");
    folder.writeResource("ActSerif.txt", "0015\t1\r");
    makeLink(folder.resourcesPath() + "/Alarm.txt", folder.resourcesPath() + "/nowhere.txt");
    makeLink(folder.resourcesPath() + "/ActMain.txt", folder.resourcesPath() + "/loop.txt");
    makeLink(folder.resourcesPath() + "/loop.txt", folder.resourcesPath() + "/ActMain.txt");
    folder.writePrefs(preferencesText({.voiceMode = 2}));
    AudioCapture capture;

    MainWindow* window = nullptr;
    {
        ScopedPermissions unreadable(folder.resourcesPath() + "/ActSerif.txt", {});
        window = mainWindow();
    }
    EXPECT_TRUE(emptyCatalogue(window->catalogues.timeArray));
    EXPECT_TRUE(emptyCatalogue(window->catalogues.seiyuName));
    EXPECT_TRUE(emptyCatalogue(window->catalogues.alarmArray));
    if (permissions.enforced()) {
        EXPECT_TRUE(emptyCatalogue(window->catalogues.serifArray));
    }
    EXPECT_EQ(window->settings.voiceMode, 2); // the settings were read after them
    EXPECT_EQ(platform::testing::reportedErrors(), errorsBefore);

    tickAt(0, 1); // its clip exists, but no catalogue line names the minute
    EXPECT_EQ(window->Title(), "00:01:00");
    ASSERT_TRUE(capture.collect());
    EXPECT_TRUE(capture.silent()) << capture.describe();
}

TEST_F(FaultsTest, AResourcesFolderThatIsAFileGivesEmptyCatalogues)
{
    QDir(folder.resourcesPath()).removeRecursively();
    folder.writeFile("vemraViewer/Resources", "not a folder");
    MainWindow* window = mainWindow();
    for (const Array<String>* catalogue : {&window->catalogues.seiyuName, &window->catalogues.timeArray, &window->catalogues.serifArray, &window->catalogues.alarmArray})
        EXPECT_TRUE(emptyCatalogue(*catalogue));
    EXPECT_EQ(platform::testing::reportedErrors(), errorsBefore);
}

// A JPEG whose header claims 60000 x 60000 pixels: 14 GB once decoded.
QByteArray jpegClaimingHugeSize()
{
    QByteArray bytes = jpegBytes(Qt::gray, 16, 16);
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    if (frame < 0)
        return {};
    // FF C0, length (2), precision (1), height (2), width (2)
    for (int offset : {5, 7}) {
        bytes[frame + offset] = char(0xEA);
        bytes[frame + offset + 1] = char(0x60);
    }
    return bytes;
}

TEST_F(FaultsTest, APhotoThatCannotBeReadClearsTheBackdrop)
{
    const QByteArray huge = jpegClaimingHugeSize();
    ASSERT_FALSE(huge.isEmpty());
    FilePermissionsEnforced permissions;
    QDir().mkpath(folder.dataPath() + "/Photos/0002.jpg");
    folder.writeData("Photos/0003.jpg", jpegBytes(Qt::red));
    folder.writeData("Photos/0005.jpg", huge);
    folder.writeData("Photos/0006.jpg", jpegBytes(Qt::red));
    folder.writeData("Photos/0007.jpg", "");
    folder.writeData("Photos/0008.jpg", jpegBytes(Qt::red));
    folder.writeData("Photos/0009.jpg", jpegBytes(Qt::yellow));
    folder.writeData("Sounds/Time/0009.mp3", ""); // and its clip holds nothing
    MainWindow* window = mainWindow();
    AudioCapture capture;

    const std::vector<std::pair<int, bool>> shows = {
        {1, true}, {2, false}, // a folder
        {3, true}, {5, false}, // more pixels than may be decoded
        {6, true}, {7, false}, // an empty file
        {8, true},
    };
    for (auto [minute, shown] : shows) {
        QElapsedTimer took;
        took.start();
        tickAt(0, minute);
        EXPECT_EQ(window->Backdrop() != nullptr, shown) << "minute " << minute;
        EXPECT_LT(took.elapsed(), 5000) << "minute " << minute;
        letSoundsEnd();
    }
    {
        ScopedPermissions unreadable(folder.dataPath() + "/Photos/0009.jpg", {});
        tickAt(0, 9);
    }
    if (permissions.enforced()) {
        EXPECT_EQ(window->Backdrop(), nullptr);
    }
    ASSERT_TRUE(capture.collect());
    EXPECT_TRUE(capture.playedExactly(clip, 7)) << capture.describe(); // every minute's but 00:09
    EXPECT_EQ(platform::testing::reportedErrors(), errorsBefore);
}

// A clip cut inside a frame plays what decodes; one that holds no sound plays nothing; the
// minutes after them play whole.
TEST_F(FaultsTest, ClipsThatDecodeInPartOrNotAtAllLoseNothingAfterThem)
{
    folder.copyData(kTruncatedFixture, "Sounds/Time/0001.mp3");
    folder.writeData("Sounds/Time/0002.mp3", QByteArray("ID3\x03\0\0\0\0\0\0", 10));
    folder.writeData("Sounds/Time/0003.mp3", "");
    QByteArray alarms;
    for (int i = 0; i < 24; ++i)
        alarms += "a%20" + QByteArray::number(i) + "\tcut.mp3\r\n";
    folder.writeResource("Alarm.txt", alarms);
    folder.copyData(kTruncatedFixture, "Sounds/Alarm/cut.mp3");
    folder.writePrefs(preferencesText({.alarmOn = true, .alarmHour = "00", .alarmMin = "04"}));
    const Clip& truncated = Clip::decode(testDataPath(kTruncatedFixture));
    AudioCapture capture;
    MainWindow* window = mainWindow();

    for (int minute = 1; minute <= 5; ++minute) {
        tickAt(0, minute);
        EXPECT_EQ(window->Title(), QString::asprintf("00:%02d:00", minute).toStdString());
        letSoundsEnd();
    }
    ASSERT_TRUE(capture.collect());
    std::vector<const Clip*> played = {&clip}; // 00:05
    if (!truncated.empty())
        played = {&truncated, &truncated, &clip}; // 00:01, the alarm at 00:04, 00:05
    EXPECT_TRUE(capture.locate(played).has_value()) << capture.describe();
    EXPECT_EQ(platform::testing::reportedErrors(), errorsBefore);
}

} // namespace
