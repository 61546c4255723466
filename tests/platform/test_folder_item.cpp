#include "platform/FolderItem.h"
#include "platform/Testing.h"
#include "platform/TextStreams.h"

#include "support/TestRuntime.h"
#include "support/FileBytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

namespace {

String native(const QString& path) { return path.toStdString(); }

class FolderItemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        root = FolderItem::fromNativePath(native(temp.path()));
    }
    void TearDown() override
    {
        platform::testing::setExecutableFile("");
        platform::testing::setPreferencesFolder("");
    }

    QString path(const QString& relative) const { return temp.path() + "/" + relative; }

    QTemporaryDir temp;
    FolderItemPtr root;
};

void expectNeverExists(const FolderItemPtr& item)
{
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->Exists());
    EXPECT_EQ(item->Parent(), nullptr);
    EXPECT_EQ(item->NativePath(), "");
    EXPECT_EQ(item->OpenAsTextFile(), nullptr);
    EXPECT_EQ(item->OpenAsPicture(), nullptr);
    const FolderItemPtr child = item->Child("secret.txt");
    ASSERT_NE(child, nullptr);
    EXPECT_FALSE(child->Exists());
    EXPECT_EQ(child->OpenAsTextFile(), nullptr);
}

} // namespace

TEST_F(FolderItemTest, ChildNamesCannotLeaveTheirFolder)
{
    vemra::test::writeBytes(path("secret.txt"), "secret");
    vemra::test::writeBytes(path("data/a/b"), "nested");
    const FolderItemPtr data = root->Child("data");
    ASSERT_TRUE(data->Exists());

    for (const String name : {"", ".", "..", "a/b", "/", "../secret.txt", "/etc/passwd"})
        expectNeverExists(data->Child(name));
    expectNeverExists(data->Child(String("a\0b", 3)));
    expectNeverExists(data->Child(String("..\0", 3)));
    // Names that merely look like paths are ordinary names.
    EXPECT_FALSE(data->Child("...")->Exists());
    EXPECT_EQ(data->Child("...")->Parent()->NativePath(), data->NativePath());
}

TEST_F(FolderItemTest, MissingFolderChainGivesItemsThatDoNotExist)
{
    vemra::test::writeBytes(path("vemra-dorat/Payload/VemraDorat.app/Photos/0715.jpg"), "x");
    const FolderItemPtr payload = root->Child("vemra-dorat")->Child("Payload");
    EXPECT_TRUE(payload->Child("VemraDorat.app")->Exists());

    const FolderItemPtr missing = payload->Child("Vemra Dorat.app")->Child("Photos")->Child("0715.jpg");
    ASSERT_NE(missing, nullptr);
    EXPECT_FALSE(missing->Exists());
    EXPECT_EQ(missing->NativePath(), native(path("vemra-dorat/Payload/Vemra Dorat.app/Photos/0715.jpg")));
    EXPECT_EQ(missing->OpenAsTextFile(), nullptr);

    // A file is no folder: a child below it does not exist either.
    const FolderItemPtr photo = payload->Child("VemraDorat.app")->Child("Photos")->Child("0715.jpg");
    EXPECT_TRUE(photo->Exists());
    EXPECT_FALSE(photo->Child("x")->Exists());
}

TEST_F(FolderItemTest, ParentWalksUpToTheRoot)
{
    const FolderItemPtr item = root->Child("a")->Child("b");
    EXPECT_EQ(item->Parent()->Parent()->NativePath(), root->NativePath());

    FolderItemPtr step = item;
    int steps = 0;
    while (step->Parent() && steps < 100) {
        step = step->Parent();
        ++steps;
    }
    EXPECT_EQ(step->NativePath(), "/");
    EXPECT_EQ(FolderItem::fromNativePath("/")->Child("tmp")->NativePath(), "/tmp");
}

TEST_F(FolderItemTest, OnlyAbsolutePathsMakeUsableItems)
{
    expectNeverExists(FolderItem::fromNativePath(""));
    expectNeverExists(FolderItem::fromNativePath("relative/path"));
    expectNeverExists(FolderItem::fromNativePath(String("/tmp\0/x", 7)));
    EXPECT_EQ(FolderItem::fromNativePath("/tmp//a/")->NativePath(), "/tmp/a");
}

TEST_F(FolderItemTest, OpenAsTextFileOnlyOpensReadableFiles)
{
    vemra::test::writeBytes(path("file.txt"), "text");
    EXPECT_NE(root->Child("file.txt")->OpenAsTextFile(), nullptr);
    EXPECT_EQ(root->OpenAsTextFile(), nullptr);
    EXPECT_EQ(root->Child("missing.txt")->OpenAsTextFile(), nullptr);
}

TEST_F(FolderItemTest, GetFolderItemResolvesBesideTheApplicationFolder)
{
    vemra::test::writeBytes(path("build/vemraViewer/bin/vemraViewer"), "");
    QDir().mkpath(path("build/vemra-dorat"));
    platform::testing::setExecutableFile(native(path("build/vemraViewer/bin/vemraViewer")));

    const FolderItemPtr data = GetFolderItem("vemra-dorat");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->NativePath(), native(path("build/vemra-dorat")));
    EXPECT_TRUE(data->Exists());
    expectNeverExists(GetFolderItem("../build"));
}

TEST_F(FolderItemTest, GetFolderItemNearTheRootNeverExists)
{
    platform::testing::setExecutableFile("/bin/vemraViewer");
    expectNeverExists(GetFolderItem("vemra-dorat"));
}

TEST_F(FolderItemTest, GetFolderItemFollowsTheRunningExecutable)
{
    vemra::test::ensureRuntime();
    const QDir binFolder(QCoreApplication::applicationDirPath());
    QDir base = binFolder;
    base.cdUp();
    base.cdUp();
    EXPECT_EQ(GetFolderItem("vemra-dorat")->NativePath(), native(base.filePath("vemra-dorat")));
}

TEST_F(FolderItemTest, PreferencesFolderIsInjectedOrTheXdgConfigFolder)
{
    platform::testing::setPreferencesFolder(native(path("prefs")));
    const FolderItemPtr injected = SpecialFolder::Preferences();
    ASSERT_NE(injected, nullptr);
    EXPECT_EQ(injected->NativePath(), native(path("prefs")));
    EXPECT_FALSE(injected->Exists());
    EXPECT_FALSE(injected->Child("vemraViewer Prefs")->Exists());

    platform::testing::setPreferencesFolder("");
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", path("config").toUtf8());
    const FolderItemPtr config = SpecialFolder::Preferences();
    if (saved.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", saved);
    ASSERT_NE(config, nullptr);
    EXPECT_EQ(config->NativePath(), native(path("config")));
}
