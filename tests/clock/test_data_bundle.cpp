#include "support/AppFolder.h"

#include "clock/DataBundle.h"

#include <gtest/gtest.h>

#include <QDir>

using vemra::test::AppFolder;

namespace {

class DataBundleTest : public ::testing::Test {
protected:
    AppFolder folder;

    QString found() { return QString::fromStdString(findDataBundleFolder()->NativePath()); }
};

TEST_F(DataBundleTest, PrefersTheFirstCandidateAndFallsBackToTheSecond)
{
    EXPECT_EQ(found(), folder.dataPath("Vemra Dorat.app")); // neither exists: the second, untested
    EXPECT_FALSE(findDataBundleFolder()->Exists());

    QDir().mkpath(folder.dataPath("Vemra Dorat.app"));
    EXPECT_EQ(found(), folder.dataPath("Vemra Dorat.app"));

    QDir().mkpath(folder.dataPath("VemraDorat.app")); // added while running: found at the next look
    EXPECT_EQ(found(), folder.dataPath("VemraDorat.app"));
}

TEST_F(DataBundleTest, ThereIsNoPerFileFallbackToTheOtherCandidate)
{
    QDir().mkpath(folder.dataPath("VemraDorat.app"));
    folder.writeData("Photos/0715.jpg", "x", "Vemra Dorat.app");
    EXPECT_FALSE(minutePhoto(findDataBundleFolder(), "0715")->Exists());
}

TEST_F(DataBundleTest, NamesEveryMediaFileAsTheCatalogueGivesIt)
{
    auto data = findDataBundleFolder();
    const QString base = folder.dataPath("Vemra Dorat.app");
    auto path = [](const platform::FolderItemPtr& item) { return QString::fromStdString(item->NativePath()); };
    EXPECT_EQ(path(minutePhoto(data, "0000")), base + "/Photos/0000.jpg");
    EXPECT_EQ(path(seiyuPhoto(data, "seiyu01")), base + "/Photos/seiyu01.jpg");
    EXPECT_EQ(path(serifClip(data, "1230")), base + "/Sounds/Serif/1230.mp3");
    EXPECT_EQ(path(timeClip(data, "2359")), base + "/Sounds/Time/2359.mp3");
    EXPECT_EQ(path(alarmSoundFile(data, "bell")), base + "/Sounds/Alarm/bell"); // no extension added
}

TEST_F(DataBundleTest, CatalogueNamesCannotLeaveTheDataFolder)
{
    folder.writeFile("vemra-dorat/Payload/secret.mp3", "x");
    folder.writeFile("vemra-dorat/Payload/VemraDorat.app/Sounds/Alarm/ok.mp3", "x");
    auto data = findDataBundleFolder();
    EXPECT_TRUE(alarmSoundFile(data, "ok.mp3")->Exists());
    EXPECT_FALSE(alarmSoundFile(data, "../../../secret.mp3")->Exists());
    EXPECT_FALSE(alarmSoundFile(data, "..")->Exists());
    EXPECT_FALSE(alarmSoundFile(data, "")->Exists());
    EXPECT_FALSE(seiyuPhoto(data, "../../Sounds/Alarm/ok")->Exists());
}

} // namespace
