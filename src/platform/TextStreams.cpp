#include "platform/TextStreams.h"

#include "platform/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <utility>

#include <unistd.h>

namespace platform {

namespace {

String describe(const QFileDevice& file, const char* action, const String& path)
{
    return String(action) + " " + path + ": " + file.errorString().toStdString();
}

String describe(const QFileDevice& file, const char* action)
{
    return describe(file, action, file.fileName().toStdString());
}

IOException tooLarge(const String& path)
{
    return IOException("cannot read " + path + ": more than " + std::to_string(kLargestTextFile)
                           + " bytes",
                       int(QFileDevice::ReadError));
}

// QSaveFile::commit() ignores a failed sync and a failed close and puts the new file in place
// anyway, although both say that what was written may never reach the disk (an I/O error, a
// full disk or quota on a network file system). So both are checked here, before the commit.
// Returns 0, or the errno of the failure.
int syncToDisk(const QSaveFile& file)
{
    const int descriptor = file.handle();
    // EINVAL, ENOTSUP and ENOSYS come from file systems that have nothing to sync.
    if (::fsync(descriptor) != 0 && errno != EINVAL && errno != ENOTSUP && errno != ENOSYS)
        return errno;
    // Closing a duplicate runs the file system's close-time flush, where network file systems
    // report their write errors, and leaves the file open for the commit.
    const int duplicate = ::dup(descriptor);
    if (duplicate < 0)
        return errno;
    if (::close(duplicate) != 0)
        return errno;
    return 0;
}

} // namespace

// ---- TextInputStream ----

TextInputStream::TextInputStream(std::unique_ptr<QFile> file, String path)
    : file_(std::move(file)), path_(std::move(path))
{
}

TextInputStream::~TextInputStream() = default;

String TextInputStream::ReadAll()
{
    if (!file_ || !file_->isOpen())
        throw IOException("reading a closed text stream");
    file_->unsetError();
    String text;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 count = file_->read(chunk, qint64(sizeof chunk));
        if (count < 0)
            throw IOException(describe(*file_, "cannot read", path_), int(file_->error()));
        if (count == 0)
            return text;
        text.append(chunk, std::size_t(count));
        if (std::int64_t(text.size()) > kLargestTextFile)
            throw tooLarge(path_);
    }
}

String TextInputStream::ReadLine()
{
    if (!file_ || !file_->isOpen())
        throw IOException("reading a closed text stream");
    file_->unsetError();
    String line;
    char c = 0;
    while (file_->getChar(&c)) {
        if (c == '\n')
            return line;
        if (c == '\r') {
            char next = 0;
            if (file_->peek(&next, 1) == 1 && next == '\n')
                file_->getChar(&next);
            return line;
        }
        line.push_back(c);
        if (std::int64_t(line.size()) > kLargestTextFile)
            throw tooLarge(path_);
    }
    if (file_->error() != QFileDevice::NoError)
        throw IOException(describe(*file_, "cannot read", path_), int(file_->error()));
    return line;
}

bool TextInputStream::EndOfFile() const { return !file_ || !file_->isOpen() || file_->atEnd(); }

void TextInputStream::Close()
{
    if (file_)
        file_->close();
}

// ---- TextOutputStream ----

std::shared_ptr<TextOutputStream> TextOutputStream::Create(const FolderItemPtr& item)
{
    const FolderItem& target = notNil(item, "file item");
    const String path = target.NativePath();
    if (path.empty())
        throw IOException("cannot create a file of that name", int(QFileDevice::OpenError));

    const QString qtPath = QFile::decodeName(QByteArray::fromStdString(path));
    const QString folder = QFileInfo(qtPath).absolutePath();
    if (!QDir().mkpath(folder))
        throw IOException("cannot make the folder " + folder.toStdString(),
                          int(QFileDevice::OpenError));

    auto file = std::make_unique<QSaveFile>(qtPath);
    // Unbuffered, so a short write (a full disk, a file size limit) shows at once in write()'s
    // count: QSaveFile's buffered flush can commit a truncated file and report success.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw IOException(describe(*file, "cannot create"), int(file->error()));
    return std::make_shared<TextOutputStream>(std::move(file));
}

TextOutputStream::TextOutputStream(std::unique_ptr<QSaveFile> file) : file_(std::move(file)) {}

TextOutputStream::~TextOutputStream()
{
    // Without Close the new content is thrown away and the old file stays as it was.
    if (file_ && file_->isOpen())
        file_->cancelWriting();
}

void TextOutputStream::WriteLine(const String& text)
{
    if (!file_ || !file_->isOpen())
        throw IOException("writing to a closed text stream");
    const String line = text + "\n";
    if (file_->write(line.data(), qint64(line.size())) != qint64(line.size()))
        throw IOException(describe(*file_, "cannot write"), int(file_->error()));
}

void TextOutputStream::Close()
{
    if (!file_ || !file_->isOpen())
        return;
    if (const int error = syncToDisk(*file_); error != 0) {
        file_->cancelWriting();
        file_->commit(); // removes the new file; the old one stays as it was
        throw IOException("cannot save " + file_->fileName().toStdString() + ": " + std::strerror(error),
                          int(QFileDevice::WriteError));
    }
    const bool committed = file_->commit();
    if (!committed)
        throw IOException(describe(*file_, "cannot save"), int(file_->error()));
}

} // namespace platform
