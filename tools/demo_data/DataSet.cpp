#include "DataSet.h"

#include "Avatar.h"
#include "Catalogues.h"
#include "Clips.h"
#include "MinutePhoto.h"
#include "Parallel.h"
#include "Speakers.h"
#include "Speech.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <stdexcept>

namespace vemra::demo {

namespace {

const QString dataFolderName = QStringLiteral("VemraDorat.app");
const QString resourcesName = QStringLiteral("Resources");
constexpr int minutesPerDay = 24 * 60;

QByteArray stampText()
{
    return QByteArray("vemra demo data ") + dataSetVersion + '\n';
}

void makeFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        throw std::runtime_error("cannot create " + path.toStdString());
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void saveJpeg(const QImage& image, const QString& path)
{
    if (!image.save(path, "JPG", 88))
        throw std::runtime_error("cannot write " + path.toStdString());
}

void makePhotos(const QString& photos, const QString& fontFamily, int threads)
{
    runInParallel(QStringLiteral("photos"), minutesPerDay + speakerCount, threads, [&](int index) {
        if (index < minutesPerDay) {
            const int hour = index / 60, minute = index % 60;
            saveJpeg(drawMinutePhoto(hour, minute, fontFamily), photos + QLatin1Char('/') + minuteKey(hour, minute) + QStringLiteral(".jpg"));
        } else {
            const Speaker& s = speakers()[static_cast<std::size_t>(index - minutesPerDay)];
            saveJpeg(drawAvatar(s), photos + QLatin1Char('/') + s.photoName + QStringLiteral(".jpg"));
        }
    });
}

void makeSounds(const QString& dataFolder, const QString& scratch, int threads)
{
    const ExternalTools tools = ExternalTools::find();
    const std::vector<Clip> clips = allClips();
    runInParallel(QStringLiteral("speech"), static_cast<int>(clips.size()), threads, [&](int index) {
        const Clip& clip = clips[static_cast<std::size_t>(index)];
        renderClip(tools, clip, dataFolder + QLatin1Char('/') + clip.relativePath, scratch);
    });
}

void writeCatalogues(const QString& folder)
{
    writeFile(folder + QStringLiteral("/ActMain.txt"), speakerCatalogue());
    writeFile(folder + QStringLiteral("/ActTime.txt"), timeCatalogue());
    writeFile(folder + QStringLiteral("/ActSerif.txt"), quarterHourCatalogue());
    writeFile(folder + QStringLiteral("/Alarm.txt"), alarmCatalogue());
}

void replace(const QString& from, const QString& to)
{
    if (QFileInfo(to).isDir())
        QDir(to).removeRecursively();
    else
        QFile::remove(to);
    if (!QFile::rename(from, to))
        throw std::runtime_error("cannot move " + from.toStdString() + " to " + to.toStdString());
}

} // namespace

Layout Layout::inBuildFolder(const QString& buildFolder)
{
    const QString build = QDir(buildFolder).absolutePath();
    return {build + QStringLiteral("/vemraViewer/Resources"),
            build + QStringLiteral("/vemra-dorat/Payload/") + dataFolderName,
            build + QStringLiteral("/vemra-dorat/demo-data.stamp"),
            build + QStringLiteral("/vemra-dorat/.demo-data-staging")};
}

bool isUpToDate(const Layout& layout)
{
    QFile stamp(layout.stamp);
    return stamp.open(QIODevice::ReadOnly) && stamp.readAll() == stampText();
}

void generateDataSet(const Layout& layout, const QString& fontFamily, int threads)
{
    ExternalTools::find(); // fail before drawing anything when a tool is missing

    QDir(layout.staging).removeRecursively();
    const QString data = layout.staging + QLatin1Char('/') + dataFolderName;
    const QString resources = layout.staging + QLatin1Char('/') + resourcesName;
    const QString scratch = layout.staging + QStringLiteral("/scratch");
    for (const QString& folder : {data + QStringLiteral("/Photos"), data + QStringLiteral("/Sounds/Time"),
                                  data + QStringLiteral("/Sounds/Serif"), data + QStringLiteral("/Sounds/Alarm"),
                                  resources, scratch})
        makeFolder(folder);

    writeCatalogues(resources);
    makePhotos(data + QStringLiteral("/Photos"), fontFamily, threads);
    makeSounds(data, scratch, threads);

    QFile::remove(layout.stamp);
    makeFolder(QFileInfo(layout.dataFolder).path());
    makeFolder(layout.resources);
    replace(data, layout.dataFolder);
    for (const QString& name : QDir(resources).entryList(QDir::Files))
        replace(resources + QLatin1Char('/') + name, layout.resources + QLatin1Char('/') + name);
    QDir(layout.staging).removeRecursively();
    writeFile(layout.stamp, stampText());
}

} // namespace vemra::demo
