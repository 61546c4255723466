#include "platform/FolderItem.h"
#include "platform/Sound.h"
#include "platform/Testing.h"
#include "support/AudioCapture.h"
#include "support/TestRuntime.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <SDL.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using platform::testing::audioDeviceOpen;
using platform::testing::playbacksInProgress;
using vemra::test::AudioCapture;
using vemra::test::Clip;
using vemra::test::testDataPath;

const QString kTone440 = QStringLiteral("tone-440-300ms.mp3");
const QString kTone660 = QStringLiteral("tone-660-500ms.mp3");
const QString kQuiet880 = QStringLiteral("tone-880-quiet-200ms.mp3");

// A well-formed WAV file whose data chunk is empty: it decodes, to nothing.
QByteArray waveWithoutSamples()
{
    QByteArray wave("RIFF\x24\x00\x00\x00WAVEfmt \x10\x00\x00\x00", 20);
    wave += QByteArray("\x01\x00\x01\x00\x44\xac\x00\x00\x88\x58\x01\x00\x02\x00\x10\x00", 16);
    wave += QByteArray("data\x00\x00\x00\x00", 8);
    return wave;
}

std::shared_ptr<platform::Sound> openSound(const QString& path)
{
    return platform::FolderItem::fromNativePath(path.toStdString())->OpenAsSound();
}

const Clip& clip(const QString& fixture)
{
    return Clip::decode(testDataPath(fixture));
}

void processEventsUntilNothingPlays()
{
    QDeadlineTimer deadline(30000);
    while (playbacksInProgress() > 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool audioThreadRunning()
{
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
        if (!comm.open(QIODevice::ReadOnly))
            continue;
        // SDL's mixing thread, and the thread that makes every SDL call.
        const QByteArray name = comm.readAll();
        if (name.startsWith("SDLAudio") || name.startsWith("vemraAudio"))
            return true;
    }
    return false;
}

int openFileDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
}

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        vemra::test::ensureRuntime();
        ASSERT_FALSE(clip(kTone440).empty());
        ASSERT_FALSE(clip(kTone660).empty());
        ASSERT_FALSE(clip(kQuiet880).empty());
        ASSERT_TRUE(folder_.isValid());
    }

    QString writeFile(const QString& name, const QByteArray& content)
    {
        const QString path = folder_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QTemporaryDir folder_;
};

TEST_F(SoundTest, PlaysExactlyTheFileItWasOpenedFrom)
{
    for (const QString& fixture : {kTone440, kTone660}) {
        SCOPED_TRACE(fixture.toStdString());
        AudioCapture capture;
        openSound(testDataPath(fixture))->Play();
        ASSERT_TRUE(capture.collect());
        EXPECT_TRUE(capture.playedExactly(clip(fixture), 1)) << capture.describe();
        EXPECT_EQ(capture.wholeAppearances(clip(fixture)), 1);
        const QString other = fixture == kTone440 ? kTone660 : kTone440;
        EXPECT_EQ(capture.longestPlayedPart(clip(other)), 0u);
    }
}

TEST_F(SoundTest, PlaysToItsEndAfterTheLastReferenceIsDropped)
{
    AudioCapture capture;
    std::shared_ptr<platform::Sound> sound = openSound(testDataPath(kTone660));
    ASSERT_TRUE(sound);
    sound->Play();
    sound.reset();
    EXPECT_EQ(playbacksInProgress(), 1);
    EXPECT_TRUE(audioDeviceOpen());
    ASSERT_TRUE(capture.collect());
    EXPECT_TRUE(capture.playedExactly(clip(kTone660), 1)) << capture.describe();
}

TEST_F(SoundTest, OverlappingPlaybacksMix)
{
    // The two start back to back; should the first have ended before the second began (a
    // stalled machine), they did not overlap and the attempt proves nothing, so try again.
    bool mixed = false;
    for (int attempt = 0; attempt < 5 && !mixed; ++attempt) {
        AudioCapture capture;
        std::shared_ptr<platform::Sound> low = openSound(testDataPath(kTone440));
        std::shared_ptr<platform::Sound> high = openSound(testDataPath(kTone660));
        ASSERT_TRUE(low && high);
        high->Play();
        low->Play();
        low.reset();
        high.reset();
        EXPECT_EQ(playbacksInProgress(), 2);
        ASSERT_TRUE(capture.collect());
        const auto starts = capture.locate({&clip(kTone440), &clip(kTone660)});
        ASSERT_TRUE(starts) << capture.describe();
        mixed = (*starts)[0] < (*starts)[1] + clip(kTone660).frames();
        EXPECT_EQ(capture.wholeAppearances(clip(kTone440)), mixed ? 0 : 1);
        EXPECT_FALSE(capture.playedExactly(clip(kTone440), 1));
        EXPECT_FALSE(capture.locate({&clip(kTone440), &clip(kTone440)}));
    }
    EXPECT_TRUE(mixed);
}

TEST_F(SoundTest, TheSameClipStartedTwiceInARowPlaysTwice)
{
    {
        SCOPED_TRACE("one sound played twice");
        AudioCapture capture;
        std::shared_ptr<platform::Sound> sound = openSound(testDataPath(kTone440));
        ASSERT_TRUE(sound);
        sound->Play();
        sound->Play();
        sound.reset();
        ASSERT_TRUE(capture.collect());
        EXPECT_TRUE(capture.playedExactly(clip(kTone440), 2)) << capture.describe();
        EXPECT_FALSE(capture.playedExactly(clip(kTone440), 1));
    }
    {
        SCOPED_TRACE("the file opened anew for each playback, each reference dropped at once");
        AudioCapture capture;
        for (int i = 0; i < 2; ++i)
            openSound(testDataPath(kTone440))->Play();
        ASSERT_TRUE(capture.collect());
        EXPECT_TRUE(capture.playedExactly(clip(kTone440), 2)) << capture.describe();
    }
}

TEST_F(SoundTest, MorePlaybacksAtOnceThanTheMixerFirstHasChannelsFor)
{
    constexpr int kPlaybacks = 20;
    AudioCapture capture;
    std::shared_ptr<platform::Sound> sound = openSound(testDataPath(kQuiet880));
    ASSERT_TRUE(sound);
    for (int i = 0; i < kPlaybacks; ++i)
        sound->Play();
    sound.reset();
    EXPECT_EQ(playbacksInProgress(), kPlaybacks);
    ASSERT_TRUE(capture.collect());
    EXPECT_TRUE(capture.playedExactly(clip(kQuiet880), kPlaybacks)) << capture.describe();
}

TEST_F(SoundTest, InputsThatAreNoSoundPlayNothing)
{
    AudioCapture capture;
    const QString fifo = folder_.filePath(QStringLiteral("pipe.mp3"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString subfolder = folder_.filePath(QStringLiteral("folder.mp3"));
    ASSERT_TRUE(QDir().mkpath(subfolder));
    const std::vector<QString> noFiles = {folder_.filePath(QStringLiteral("missing.mp3")), subfolder, fifo};
    // Found out as they are decoded, on the audio thread: their playbacks end without a sound.
    const std::vector<QString> noSounds = {
        writeFile(QStringLiteral("empty.mp3"), QByteArray()),
        writeFile(QStringLiteral("text.mp3"), QByteArray("seiyuOn/Off=1,1,1\r\nnot a sound\r\n")),
        writeFile(QStringLiteral("tag-only.mp3"), QByteArray("ID3\x03\x00\x00\x00\x00\x00\x00", 10)),
        writeFile(QStringLiteral("short.mp3"), QByteArray("ID")),
        writeFile(QStringLiteral("no-samples.wav"), waveWithoutSamples()),
    };
    const int filesOpenBefore = openFileDescriptors();
    for (const QString& path : noFiles)
        EXPECT_FALSE(openSound(path)) << path.toStdString();
    EXPECT_FALSE(platform::FolderItem::fromNativePath("")->OpenAsSound());
    for (const QString& path : noSounds) {
        std::shared_ptr<platform::Sound> sound = openSound(path);
        ASSERT_TRUE(sound) << path.toStdString();
        sound->Play();
    }

    ASSERT_TRUE(capture.collect());
    EXPECT_EQ(openFileDescriptors(), filesOpenBefore);
    EXPECT_TRUE(capture.silent());
    EXPECT_EQ(playbacksInProgress(), 0);
}

// Copies of a 0.3 s clip joined end to end: five and a half minutes of sound behind a header
// that states 0.3 s, as MP3 files joined with cat do. Decoding keeps the first five minutes,
// without first decoding the whole.
TEST_F(SoundTest, AClipKeepsItsFirstFiveMinutesWhateverLengthItStates)
{
    constexpr std::size_t kCapFrames = 5 * 60 * 44100;
    QFile one(testDataPath(kTone440));
    ASSERT_TRUE(one.open(QIODevice::ReadOnly));
    const QByteArray copy = one.readAll();
    QByteArray joined;
    while (std::size_t(joined.size() / copy.size()) * clip(kTone440).frames() < kCapFrames * 11 / 10)
        joined += copy;
    const QString path = writeFile(QStringLiteral("joined.mp3"), joined);

    const Clip& whole = Clip::decode(path);
    ASSERT_GT(whole.frames(), kCapFrames);
    const Clip kept = Clip::decodeAsThePlatformKeeps(path);
    ASSERT_EQ(kept.frames(), kCapFrames);
    EXPECT_TRUE(std::equal(kept.samples().begin(), kept.samples().end(), whole.samples().begin()));
}

TEST_F(SoundTest, ATruncatedMp3PlaysWhatDecodes)
{
    AudioCapture capture;
    const Clip& truncated = clip(QStringLiteral("truncated.mp3"));
    std::shared_ptr<platform::Sound> sound = openSound(testDataPath(QStringLiteral("truncated.mp3")));
    ASSERT_EQ(bool(sound), !truncated.empty());
    if (sound)
        sound->Play();
    sound.reset();
    ASSERT_TRUE(capture.collect());
    EXPECT_TRUE(capture.playedExactly(truncated, truncated.empty() ? 0 : 1)) << capture.describe();
    EXPECT_LT(truncated.frames(), clip(kTone660).frames());
}

TEST_F(SoundTest, IdleHoldsNoDeviceAndNoAudioThread)
{
    AudioCapture capture;
    EXPECT_FALSE(audioDeviceOpen());

    std::shared_ptr<platform::Sound> held = openSound(testDataPath(kTone440));
    ASSERT_TRUE(held);
    EXPECT_TRUE(audioDeviceOpen());
    // A held sound keeps its decoded audio, and with it the device, past the grace time.
    EXPECT_FALSE(platform::testing::waitForAudioIdle(800));
    EXPECT_TRUE(audioDeviceOpen());
    EXPECT_TRUE(audioThreadRunning());

    held->Play();
    held.reset();
    processEventsUntilNothingPlays();
    EXPECT_EQ(playbacksInProgress(), 0);
    // Still open for a short grace, so that a clip started right after reuses the device:
    // the disk driver would have emptied its file on a new opening, losing the first clip.
    EXPECT_TRUE(audioDeviceOpen());
    openSound(testDataPath(kTone660))->Play();

    ASSERT_TRUE(capture.collect());
    EXPECT_FALSE(audioDeviceOpen());
    EXPECT_EQ(playbacksInProgress(), 0);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    EXPECT_FALSE(audioThreadRunning());
    const auto starts = capture.locate({&clip(kTone440), &clip(kTone660)});
    ASSERT_TRUE(starts) << capture.describe();
    EXPECT_GE((*starts)[1], (*starts)[0] + clip(kTone440).frames());
}

TEST_F(SoundTest, AnAudioDriverThatCannotOpenLeavesTheProgramSilentUntilOneCan)
{
    platform::testing::setAudioOutput("no-such-driver", "");
    for (int i = 0; i < 2; ++i) {
        std::shared_ptr<platform::Sound> sound = openSound(testDataPath(kTone440));
        ASSERT_TRUE(sound); // the device is opened on the audio thread
        sound->Play();
    }
    EXPECT_TRUE(platform::testing::waitForAudioIdle(30000));
    EXPECT_FALSE(audioDeviceOpen());
    EXPECT_EQ(playbacksInProgress(), 0);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);

    AudioCapture capture;
    std::shared_ptr<platform::Sound> sound = openSound(testDataPath(kTone440));
    ASSERT_TRUE(sound);
    sound->Play();
    sound.reset();
    ASSERT_TRUE(capture.collect());
    EXPECT_TRUE(capture.playedExactly(clip(kTone440), 1)) << capture.describe();
}

} // namespace
