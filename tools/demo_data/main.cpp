// Makes the demo data set: vemra-demo-data [--force] [--jobs N] BUILD_FOLDER
#include "DataSet.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QThread>

#include <cstdio>
#include <exception>

namespace {

// Drawing text needs a GUI application; the offscreen platform needs no display.
QString loadFont()
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/opentype/ipaexfont-gothic/ipaexg.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QGuiApplication::font().family() : families.first();
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
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

    const auto layout = vemra::demo::Layout::inBuildFolder(parser.positionalArguments().first());
    if (!parser.isSet(force) && vemra::demo::isUpToDate(layout)) {
        std::printf("Demo data is up to date (version %s).\n", vemra::demo::dataSetVersion);
        return 0;
    }
    const int threads = parser.isSet(jobs) ? parser.value(jobs).toInt() : QThread::idealThreadCount();
    std::printf("Making the demo data (version %s) with %d jobs...\n", vemra::demo::dataSetVersion, threads);
    QElapsedTimer clock;
    clock.start();
    try {
        vemra::demo::generateDataSet(layout, loadFont(), threads);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "\nvemra-demo-data: %s\n", error.what());
        return 1;
    }
    std::printf("Demo data done in %.1f s.\n", static_cast<double>(clock.elapsed()) / 1000.0);
    return 0;
}
