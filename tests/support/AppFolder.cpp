#include "support/AppFolder.h"

#include "support/TestRuntime.h"

#include "app/App.h"
#include "app/Startup.h"
#include "catalogue/CatalogueTexts.h"
#include "platform/Testing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vemra::test {

AppFolder::AppFolder()
{
    ensureRuntime();
    QDir(root()).mkpath(QStringLiteral("vemraViewer/bin"));
    QDir(root()).mkpath(QStringLiteral("vemraViewer/Resources"));
    QDir(root()).mkpath(QStringLiteral("config"));
    platform::testing::setExecutableFile((root() + QStringLiteral("/vemraViewer/bin/vemraViewer")).toStdString());
    platform::testing::setPreferencesFolder((root() + QStringLiteral("/config")).toStdString());
    if (App() == nullptr)
        _NewAppInstance();
    releaseCatalogueTexts();
    platform::testing::resetQuit();
}

AppFolder::~AppFolder()
{
    platform::testing::closeAllWindows();
    platform::testing::processEvents();
    releaseCatalogueTexts();
    platform::testing::setExecutableFile("");
    platform::testing::setPreferencesFolder("");
    platform::testing::setClock(nullptr);
    platform::testing::resetQuit();
}

QString AppFolder::resourcesPath() const
{
    return root() + QStringLiteral("/vemraViewer/Resources");
}

QString AppFolder::prefsFilePath() const
{
    return root() + QStringLiteral("/config/vemraViewer Prefs");
}

QString AppFolder::dataPath(const QString& bundle) const
{
    return root() + QStringLiteral("/vemra-dorat/Payload/") + bundle;
}

void AppFolder::writeFile(const QString& relativePath, const QByteArray& bytes) const
{
    const QString path = root() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
}

void AppFolder::writeResource(const QString& name, const QByteArray& bytes) const
{
    writeFile(QStringLiteral("vemraViewer/Resources/") + name, bytes);
}

void AppFolder::writeData(const QString& relativePath, const QByteArray& bytes, const QString& bundle) const
{
    writeFile(QStringLiteral("vemra-dorat/Payload/") + bundle + QLatin1Char('/') + relativePath, bytes);
}

void AppFolder::copyData(const QString& fixture, const QString& relativePath, const QString& bundle) const
{
    QFile source(testDataPath(fixture));
    if (!source.open(QIODevice::ReadOnly))
        qFatal("missing test fixture %s", qPrintable(fixture));
    writeData(relativePath, source.readAll(), bundle);
}

void AppFolder::writePrefs(const QByteArray& bytes) const
{
    writeFile(QStringLiteral("config/vemraViewer Prefs"), bytes);
}

QByteArray AppFolder::readPrefs() const
{
    QFile file(prefsFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void setTime(int hour, int minute, int second)
{
    platform::testing::setClock([=] { return platform::Date(2026, 12, 7, hour, minute, second); });
}

} // namespace vemra::test
