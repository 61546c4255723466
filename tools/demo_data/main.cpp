// Makes the demo data set: vemra-demo-data [--force] [--jobs N] BUILD_FOLDER
#include "DataSet.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <exception>

namespace {

struct Request {
    QString buildFolder;
    bool force = false;
    int threads = 1;
};

// Parsed without the GUI application, which an up-to-date data set does not need.
Request parseArguments(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Makes the clock's demo photos, voices and catalogues."));
    parser.addHelpOption();
    const QCommandLineOption force(QStringLiteral("force"), QStringLiteral("Make the data set even when it is up to date."));
    const QCommandLineOption jobs(QStringLiteral("jobs"), QStringLiteral("Parallel jobs (default: all cores)."), QStringLiteral("N"));
    parser.addOption(force);
    parser.addOption(jobs);
    parser.addPositionalArgument(QStringLiteral("build-folder"), QStringLiteral("The build folder to fill."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    const int threads = parser.isSet(jobs) ? parser.value(jobs).toInt() : QThread::idealThreadCount();
    return {parser.positionalArguments().first(), parser.isSet(force), std::max(1, threads)};
}

QString loadFont()
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/opentype/ipaexfont-gothic/ipaexg.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QGuiApplication::font().family() : families.first();
}

} // namespace

int main(int argc, char* argv[])
{
    const Request request = parseArguments(argc, argv);
    const auto layout = vemra::demo::Layout::inBuildFolder(request.buildFolder);
    if (!request.force && vemra::demo::isUpToDate(layout)) {
        std::printf("Demo data is up to date (version %s).\n", vemra::demo::dataSetVersion);
        return 0;
    }

    // Drawing text needs a GUI application; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::printf("Making the demo data (version %s) with %d jobs...\n", vemra::demo::dataSetVersion, request.threads);
    QElapsedTimer clock;
    clock.start();
    try {
        vemra::demo::generateDataSet(layout, loadFont(), request.threads);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "\nvemra-demo-data: %s\n", error.what());
        return 1;
    }
    std::printf("Demo data done in %.1f s.\n", static_cast<double>(clock.elapsed()) / 1000.0);
    return 0;
}
