// The application object may end while a sound still plays: the device must close with it,
// and the sound layer must work again for a later application object.

#include "platform/FolderItem.h"
#include "platform/Sound.h"
#include "platform/Testing.h"
#include "support/AudioCapture.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

std::shared_ptr<platform::Sound> openFixture(const char* name)
{
    return platform::FolderItem::fromNativePath(std::string(VEMRA_TEST_DATA "/") + name)->OpenAsSound();
}

TEST(SoundAtApplicationEnd, ThePlayingDeviceClosesWithTheApplicationAndOpensForTheNextOne)
{
    int argc = 1;
    char name[] = "test_sound_application_end";
    char* argv[] = {name, nullptr};
    QTemporaryDir folder;
    platform::testing::setAudioOutput("disk", folder.filePath(QStringLiteral("out.raw")).toStdString());

    std::shared_ptr<platform::Sound> heldPastTheEnd;
    {
        std::optional<QCoreApplication> application;
        application.emplace(argc, argv);
        heldPastTheEnd = openFixture("tone-440-300ms.mp3");
        ASSERT_TRUE(heldPastTheEnd);
        openFixture("tone-660-500ms.mp3")->Play();
        heldPastTheEnd->Play();
        EXPECT_EQ(platform::testing::playbacksInProgress(), 2);
        application.reset();
    }
    EXPECT_FALSE(platform::testing::audioDeviceOpen());
    EXPECT_EQ(platform::testing::playbacksInProgress(), 0);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    heldPastTheEnd->Play(); // its device is gone: nothing happens
    EXPECT_FALSE(platform::testing::audioDeviceOpen());
    heldPastTheEnd.reset();

    QCoreApplication application(argc, argv);
    vemra::test::AudioCapture capture;
    openFixture("tone-440-300ms.mp3")->Play();
    ASSERT_TRUE(capture.collect());
    const auto& clip = vemra::test::Clip::decode(QStringLiteral(VEMRA_TEST_DATA "/tone-440-300ms.mp3"));
    EXPECT_TRUE(capture.playedExactly(clip, 1)) << capture.describe();
}

} // namespace
