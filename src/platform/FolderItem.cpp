#include "platform/FolderItem.h"

#include "platform/Picture.h"
#include "platform/RegularFile.h"
#include "platform/TextStreams.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace platform {

namespace {

QString toQtPath(const String& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

bool isSafeChildName(const String& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == String::npos
           && name.find('\0') == String::npos;
}

// The regular file as a QFile open for reading; nil for anything else (see RegularFile.h).
std::unique_ptr<QFile> openForReading(const String& nativePath)
{
    struct stat status {};
    const int fd = openRegularFile(nativePath, status);
    if (fd < 0)
        return nullptr;
    auto file = std::make_unique<QFile>(toQtPath(nativePath));
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return nullptr;
    }
    return file;
}

} // namespace

Picture::Picture(const QImage& image) : image_(std::make_unique<QImage>(image)) {}
Picture::~Picture() = default;

int Picture::Width() const { return image_->width(); }
int Picture::Height() const { return image_->height(); }
const QImage& Picture::image() const { return *image_; }

FolderItem::FolderItem(String path, bool usable) : path_(std::move(path)), usable_(usable)
{
    if (!usable_)
        path_.clear(); // nothing can be opened through the path of an item that never exists
}

FolderItemPtr FolderItem::fromNativePath(const String& absolutePath)
{
    // Only absolute paths are accepted: a relative one would depend on the working folder.
    if (absolutePath.empty() || absolutePath.front() != '/'
        || absolutePath.find('\0') != String::npos)
        return FolderItemPtr(new FolderItem({}, false));
    const QByteArray cleaned = QFile::encodeName(QDir::cleanPath(toQtPath(absolutePath)));
    return FolderItemPtr(new FolderItem(cleaned.toStdString(), true));
}

FolderItemPtr FolderItem::Child(const String& name) const
{
    if (!usable_ || !isSafeChildName(name))
        return FolderItemPtr(new FolderItem({}, false));
    const String separator = path_ == "/" ? "" : "/";
    return FolderItemPtr(new FolderItem(path_ + separator + name, true));
}

FolderItemPtr FolderItem::Parent() const
{
    if (!usable_ || path_ == "/")
        return nullptr;
    const std::size_t slash = path_.rfind('/');
    if (slash == String::npos)
        return nullptr;
    return FolderItemPtr(new FolderItem(slash == 0 ? "/" : path_.substr(0, slash), true));
}

bool FolderItem::Exists() const { return usable_ && QFileInfo::exists(toQtPath(path_)); }

String FolderItem::NativePath() const { return path_; }

std::shared_ptr<TextInputStream> FolderItem::OpenAsTextFile() const
{
    if (!usable_)
        return nullptr;
    std::unique_ptr<QFile> file = openForReading(path_);
    if (!file || file->size() > kLargestTextFile)
        return nullptr;
    return std::make_shared<TextInputStream>(std::move(file), path_);
}

std::shared_ptr<Picture> FolderItem::OpenAsPicture() const
{
    if (!usable_)
        return nullptr;
    std::unique_ptr<QFile> file = openForReading(path_);
    if (!file)
        return nullptr;
    QImage image;
    if (!image.load(file.get(), nullptr))
        return nullptr;
    return std::make_shared<Picture>(image);
}

} // namespace platform
