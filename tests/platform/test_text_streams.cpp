#include "platform/TextStreams.h"

#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <string_view>

#include <dlfcn.h>
#include <unistd.h>

using namespace platform;

using vemra::test::readBytes;
using vemra::test::writeBytes;

namespace {

// While it lives, fsync or close of a file below the folder fails with EIO, as on a failing
// disk or a network file system that could not store the data. The real call still runs, so
// a failed close still releases its descriptor.
class InjectedIOError {
public:
    InjectedIOError(std::string_view function, const QString& folder)
    {
        function_ = function;
        folder_ = QDir(folder).canonicalPath().toStdString() + "/";
    }
    ~InjectedIOError() { function_ = {}; }
    InjectedIOError(const InjectedIOError&) = delete;
    InjectedIOError& operator=(const InjectedIOError&) = delete;

    static bool hits(std::string_view function, int descriptor)
    {
        if (function_ != function)
            return false;
        char link[64];
        std::snprintf(link, sizeof link, "/proc/self/fd/%d", descriptor);
        char target[4096];
        const ssize_t length = readlink(link, target, sizeof target);
        return length > 0 && std::string_view(target, std::size_t(length)).starts_with(folder_);
    }

private:
    static inline std::string_view function_;
    static inline std::string folder_;
};

template <typename Function>
Function nextDefinition(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int fsync(int descriptor)
{
    static const auto realFsync = nextDefinition<int (*)(int)>("fsync");
    const bool fails = InjectedIOError::hits("fsync", descriptor);
    const int result = realFsync(descriptor);
    if (!fails)
        return result;
    errno = EIO;
    return -1;
}

extern "C" int close(int descriptor)
{
    static const auto realClose = nextDefinition<int (*)(int)>("close");
    const bool fails = InjectedIOError::hits("close", descriptor);
    const int result = realClose(descriptor);
    if (!fails)
        return result;
    errno = EIO;
    return -1;
}

namespace {

class TextStreamTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(temp.isValid()); }

    QString path(const QString& relative) const { return temp.path() + "/" + relative; }
    FolderItemPtr item(const QString& relative) const
    {
        return FolderItem::fromNativePath(path(relative).toStdString());
    }
    std::shared_ptr<TextInputStream> open(const QString& relative, const QByteArray& content)
    {
        writeBytes(path(relative), content);
        return item(relative)->OpenAsTextFile();
    }
    // Leaves the folder's listing as it was: no temporary file may stay behind.
    QStringList entries() const { return QDir(temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }

    QTemporaryDir temp;
};

} // namespace

TEST_F(TextStreamTest, ReadAllKeepsEveryByte)
{
    QByteArray content("a\r\nb\rc\n\0\xFF\xFE%41\r", 15);
    content += QByteArray(70000, '\r'); // more than one read buffer
    const auto stream = open("ActTime.txt", content);
    ASSERT_NE(stream, nullptr);
    const String text = stream->ReadAll();
    EXPECT_EQ(text, content.toStdString());
    EXPECT_TRUE(stream->EndOfFile());
    EXPECT_EQ(stream->ReadAll(), "");
    stream->Close();
    EXPECT_THROW(stream->ReadAll(), IOException);
}

TEST_F(TextStreamTest, ReadAllOfAnEmptyFileIsEmpty)
{
    const auto stream = open("empty.txt", {});
    ASSERT_NE(stream, nullptr);
    EXPECT_TRUE(stream->EndOfFile());
    EXPECT_EQ(stream->ReadAll(), "");
}

TEST_F(TextStreamTest, ReadLineAcceptsLfCrLfAndLoneCr)
{
    const auto stream = open("prefs", "one\ntwo\r\nthree\rfour\r\rsix\n\nlast");
    ASSERT_NE(stream, nullptr);
    const std::vector<String> expected = {"one", "two", "three", "four", "", "six", "", "last"};
    for (const String& line : expected) {
        EXPECT_FALSE(stream->EndOfFile());
        EXPECT_EQ(stream->ReadLine(), line);
    }
    EXPECT_TRUE(stream->EndOfFile());
    EXPECT_EQ(stream->ReadLine(), "");
    EXPECT_EQ(stream->ReadLine(), "");
}

TEST_F(TextStreamTest, ReadLineAtTheEndOfALineEndedFile)
{
    const auto stream = open("prefs", "a\r\nb\r");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->ReadLine(), "a");
    EXPECT_EQ(stream->ReadLine(), "b");
    EXPECT_TRUE(stream->EndOfFile());
    EXPECT_EQ(stream->ReadLine(), "");
}

TEST_F(TextStreamTest, ReadLineKeepsNulAndNonUtf8Bytes)
{
    const auto stream = open("prefs", QByteArray("a\0\xFF\nb", 5));
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->ReadLine(), String("a\0\xFF", 3));
    EXPECT_EQ(stream->ReadLine(), "b");
}

TEST_F(TextStreamTest, FoldersAndUnreadableFilesGiveNoStream)
{
    QDir().mkpath(path("folder"));
    EXPECT_EQ(item("folder")->OpenAsTextFile(), nullptr);
    EXPECT_EQ(item("missing")->OpenAsTextFile(), nullptr);

    if (geteuid() == 0)
        GTEST_SKIP() << "root reads files whatever their permissions";
    writeBytes(path("locked"), "x");
    QFile::setPermissions(path("locked"), QFileDevice::Permissions{});
    EXPECT_EQ(item("locked")->OpenAsTextFile(), nullptr);
}

TEST_F(TextStreamTest, ReadErrorRaisesIOException)
{
    // The process's own memory file opens, but reading its first page fails.
    const auto stream = FolderItem::fromNativePath("/proc/self/mem")->OpenAsTextFile();
    if (!stream)
        GTEST_SKIP() << "/proc/self/mem cannot be opened here";
    EXPECT_THROW(stream->ReadAll(), IOException);
    EXPECT_THROW(stream->ReadLine(), IOException);
}

TEST_F(TextStreamTest, WrittenLinesReadBackLineByLine)
{
    const auto out = TextOutputStream::Create(item("vemraViewer Prefs"));
    ASSERT_NE(out, nullptr);
    out->WriteLine("seiyuOn/Off=1,1,1,1,1,1,1,1,1,1,1,1");
    out->WriteLine("");
    out->WriteLine("alarmHour=07");
    out->Close();
    EXPECT_EQ(readBytes(path("vemraViewer Prefs")),
              "seiyuOn/Off=1,1,1,1,1,1,1,1,1,1,1,1\n\nalarmHour=07\n");

    const auto in = item("vemraViewer Prefs")->OpenAsTextFile();
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(in->ReadLine(), "seiyuOn/Off=1,1,1,1,1,1,1,1,1,1,1,1");
    EXPECT_EQ(in->ReadLine(), "");
    EXPECT_EQ(in->ReadLine(), "alarmHour=07");
    EXPECT_TRUE(in->EndOfFile());
}

TEST_F(TextStreamTest, NewContentReplacesTheOldFileOnlyOnClose)
{
    writeBytes(path("prefs"), "old\n");
    const auto out = TextOutputStream::Create(item("prefs"));
    out->WriteLine("new");
    EXPECT_EQ(readBytes(path("prefs")), "old\n");
    out->Close();
    EXPECT_EQ(readBytes(path("prefs")), "new\n");
    EXPECT_EQ(entries(), QStringList{"prefs"});

    out->Close(); // a second Close changes nothing
    EXPECT_THROW(out->WriteLine("late"), IOException);
    EXPECT_EQ(readBytes(path("prefs")), "new\n");
}

TEST_F(TextStreamTest, StreamDroppedWithoutCloseLeavesTheOldFile)
{
    writeBytes(path("prefs"), "old\n");
    {
        const auto out = TextOutputStream::Create(item("prefs"));
        out->WriteLine("half written");
    }
    EXPECT_EQ(readBytes(path("prefs")), "old\n");
    EXPECT_EQ(entries(), QStringList{"prefs"});

    {
        const auto out = TextOutputStream::Create(item("fresh"));
        out->WriteLine("never saved");
    }
    EXPECT_FALSE(QFile::exists(path("fresh")));
}

TEST_F(TextStreamTest, CreateMakesTheMissingFolders)
{
    const auto out = TextOutputStream::Create(item("config/deeper/prefs"));
    out->WriteLine("x");
    out->Close();
    EXPECT_EQ(readBytes(path("config/deeper/prefs")), "x\n");
}

TEST_F(TextStreamTest, CreateFailuresRaiseAndTouchNothing)
{
    EXPECT_THROW(TextOutputStream::Create(nullptr), NilObjectException);

    writeBytes(path("plain"), "a file, not a folder");
    try {
        TextOutputStream::Create(item("plain/prefs"));
        ADD_FAILURE() << "a file below a regular file was created";
    } catch (const IOException& error) {
        EXPECT_NE(error.ErrorNumber, 0);
    }
    EXPECT_EQ(readBytes(path("plain")), "a file, not a folder");

    writeBytes(path("taken/inside"), "kept");
    EXPECT_THROW(TextOutputStream::Create(item("taken")), IOException);
    EXPECT_EQ(readBytes(path("taken/inside")), "kept");

    const FolderItemPtr unsafe = FolderItem::fromNativePath(temp.path().toStdString())->Child("..");
    EXPECT_THROW(TextOutputStream::Create(unsafe), IOException);
    EXPECT_EQ(entries(), (QStringList{"plain", "taken"}));
}

TEST_F(TextStreamTest, FailedCommitRaisesAndKeepsWhatIsThere)
{
    writeBytes(path("prefs"), "old\n");
    const auto out = TextOutputStream::Create(item("prefs"));
    out->WriteLine("new");
    // Something else puts a folder where the file was before the stream is closed.
    ASSERT_TRUE(QFile::remove(path("prefs")));
    writeBytes(path("prefs/inside"), "kept");
    EXPECT_THROW(out->Close(), IOException);
    EXPECT_EQ(readBytes(path("prefs/inside")), "kept");
    EXPECT_EQ(entries(), QStringList{"prefs"});
}

TEST_F(TextStreamTest, FailedSyncOrCloseOfTheNewFileRaisesAndKeepsTheOldFile)
{
    for (const char* function : {"fsync", "close"}) {
        SCOPED_TRACE(function);
        writeBytes(path("prefs"), "old\n");
        const auto out = TextOutputStream::Create(item("prefs"));
        out->WriteLine("new");
        {
            InjectedIOError error(function, temp.path());
            EXPECT_THROW(out->Close(), IOException);
        }
        EXPECT_EQ(readBytes(path("prefs")), "old\n");
        EXPECT_EQ(entries(), QStringList{"prefs"});
    }
}
