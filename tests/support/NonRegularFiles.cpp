#include "support/NonRegularFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace vemra::test {

namespace {

QByteArray nativeOf(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return QFile::encodeName(path);
}

} // namespace

void makeNamedPipe(const QString& path)
{
    ASSERT_EQ(::mkfifo(nativeOf(path).constData(), 0600), 0) << path.toStdString() << ": " << std::strerror(errno);
}

void makeLink(const QString& path, const QString& target)
{
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), nativeOf(path).constData()), 0)
        << path.toStdString() << ": " << std::strerror(errno);
}

void makeSparseFile(const QString& path, std::int64_t bytes)
{
    QFile file(QString::fromLocal8Bit(nativeOf(path)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_TRUE(file.resize(bytes)) << path.toStdString();
}

} // namespace vemra::test
