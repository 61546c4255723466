#include "platform/Application.h"
#include "platform/FolderItem.h"
#include "platform/Testing.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

namespace platform {

namespace {

String& injectedExecutableFile()
{
    static String path;
    return path;
}

String& injectedPreferencesFolder()
{
    static String path;
    return path;
}

String fromQtPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

FolderItemPtr executableFile()
{
    if (!injectedExecutableFile().empty())
        return FolderItem::fromNativePath(injectedExecutableFile());
    if (QCoreApplication::instance() == nullptr)
        return FolderItem::fromNativePath({});
    return FolderItem::fromNativePath(fromQtPath(QCoreApplication::applicationFilePath()));
}

// The folder that holds the application folder: <base>/vemraViewer/bin/vemraViewer.
FolderItemPtr applicationNeighbourhood()
{
    FolderItemPtr folder = executableFile();
    for (int step = 0; step < 3 && folder; ++step)
        folder = folder->Parent();
    return folder ? folder : FolderItem::fromNativePath({});
}

} // namespace

FolderItemPtr Application::ExecutableFile() const { return executableFile(); }

FolderItemPtr GetFolderItem(const String& relativePath, int pathType)
{
    if (pathType != 0)
        return FolderItem::fromNativePath({});

    // Each step goes through Child, so "..", NUL bytes and the like give an item that never
    // exists instead of a way out. Empty steps ("a//b", a leading or trailing "/") are skipped.
    FolderItemPtr item = applicationNeighbourhood();
    const Array<String> steps = Split(relativePath, "/");
    for (int i = 0; i <= steps.Ubound(); ++i) {
        if (!steps(i).empty())
            item = item->Child(steps(i));
    }
    return item;
}

FolderItemPtr SpecialFolder::Preferences()
{
    if (!injectedPreferencesFolder().empty())
        return FolderItem::fromNativePath(injectedPreferencesFolder());
    return FolderItem::fromNativePath(
        fromQtPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
}

namespace testing {

void setPreferencesFolder(const String& nativePath) { injectedPreferencesFolder() = nativePath; }

void setExecutableFile(const String& nativePath) { injectedExecutableFile() = nativePath; }

} // namespace testing

} // namespace platform
