// A catalogue may name the same minute any number of times, and each line whose speaker is
// on starts the minute's clip once more. Thousands of such lines must not take the memory
// (one decoded clip each) or the audio thread, nor keep the next minute from playing.
#include "support/AppFolder.h"
#include "support/AudioCapture.h"
#include "support/HeapInUse.h"
#include "support/MinuteTicks.h"
#include "support/TestRuntime.h"

#include "clock/MainWindow.h"
#include "platform/FolderItem.h"
#include "platform/Sound.h"
#include "platform/Testing.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vemra::test;

namespace {

constexpr int kRepeats = 20000;
// Twenty thousand decoded copies of the clip would be a gigabyte.
constexpr std::size_t kHeapGrowthBound = 16u << 20;

TEST(RepeatedEntriesTest, AMinuteNamedThousandsOfTimesSharesOneClipAndLosesNothingAfter)
{
    AppFolder folder;
    QByteArray catalogue;
    for (int i = 0; i < kRepeats; ++i)
        catalogue += "0007\t1\r";
    catalogue += "0008\t2\r";
    folder.writeResource("ActTime.txt", catalogue);
    folder.copyData("tone-440-300ms.mp3", "Sounds/Time/0007.mp3");
    folder.copyData("tone-440-300ms.mp3", "Sounds/Time/0008.mp3");
    const Clip& clip = Clip::decode(testDataPath("tone-440-300ms.mp3"));
    mainWindow();

    {
        AudioCapture capture;
        const std::size_t heapBefore = heapInUse();
        tickAt(0, 7);
        EXPECT_LT(heapInUse(), heapBefore + kHeapGrowthBound);
        EXPECT_EQ(platform::testing::playbacksInProgress(), 256); // as many as are mixed at once
        letSoundsEnd();
        ASSERT_TRUE(capture.collect()); // every playback ended and released
        EXPECT_FALSE(capture.silent());
        EXPECT_LT(heapInUse(), heapBefore + kHeapGrowthBound);
    }

    AudioCapture capture;
    tickAt(0, 8);
    ASSERT_TRUE(capture.collect());
    EXPECT_TRUE(capture.playedExactly(clip, 1)) << capture.describe();
}

// Sharing goes by the file, not by its name: a clip replaced while the old one is still held
// plays the new content.
TEST(RepeatedEntriesTest, AClipReplacedWhileTheOldOneIsHeldPlaysTheNewOne)
{
    ensureRuntime();
    AudioCapture capture;
    QTemporaryDir folder;
    const QString path = folder.filePath("clip.mp3");
    ASSERT_TRUE(QFile::copy(testDataPath("tone-440-300ms.mp3"), path));
    const auto item = platform::FolderItem::fromNativePath(path.toStdString());
    std::shared_ptr<platform::Sound> old = item->OpenAsSound();
    ASSERT_TRUE(old);

    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::copy(testDataPath("tone-660-500ms.mp3"), path));
    std::shared_ptr<platform::Sound> replaced = item->OpenAsSound();
    ASSERT_TRUE(replaced);
    replaced->Play();
    replaced.reset();
    old.reset();
    ASSERT_TRUE(capture.collect());
    EXPECT_TRUE(capture.playedExactly(Clip::decode(testDataPath("tone-660-500ms.mp3")), 1)) << capture.describe();
}

} // namespace
