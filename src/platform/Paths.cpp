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

FolderItemPtr GetFolderItem(const String& name, int /*pathType: 0, the native form*/)
{
    return applicationNeighbourhood()->Child(name);
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
