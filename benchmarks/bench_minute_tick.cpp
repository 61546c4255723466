// What one tick of the clock costs on the GUI thread, on the demo data (vemra-demo-data makes
// it in the build folder):
//
// - NewMinuteTick: a tick that starts a new minute, as at hh:mm:00: the title changes, the
//   minute's photo is decoded and shown, the catalogue (1440 lines) is scanned and the
//   minute's clip opened and started. Every iteration is another minute with its own photo
//   and clip, decoded for the first time, and the audio device has closed before it, as it
//   has by the next minute. Opening the device and decoding run on the audio thread and are
//   not counted here; bench_minute_change measures the whole minute as the user meets it.
// - SameMinuteTick: the ticks between: the title's seconds change, nothing else (what that
//   costs depends on the window system: run it on an X server, as benchmarks/run.sh does).
// - MillionLineMinuteTick: a new minute named by 1,000,000 lines of the time catalogue (8 MB,
//   all of them the same minute and speaker): 256 playbacks start, the rest are passed over.
//   Replayed by a click in the window each iteration, the device closed before it.
//
// The audio goes to SDL's disk driver without its real-time pace (SDL_DISKAUDIODELAY=0), so
// that each iteration's clip has played and the device closed within a second.
//
//   build/benchmarks/bench_minute_tick
#include "support/AppFolder.h"
#include "support/MinuteTicks.h"
#include "support/TestRuntime.h"

#include "clock/MainWindow.h"
#include "platform/Date.h"
#include "platform/Testing.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

using vemra::test::AppFolder;

namespace {

const QString kBuild = QStringLiteral(VEMRA_BUILD_DIR);

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench_minute_tick: cannot read %s (make the demo data: vemra-demo-data %s)\n",
                     qPrintable(path), qPrintable(kBuild));
        std::exit(1);
    }
    return file.readAll();
}

// An installation whose resources are the demo data's (or `timeCatalogue` in their place) and
// whose data folder is the demo data set, with every speaker on.
void installDemoData(const AppFolder& folder, const QByteArray& timeCatalogue = {})
{
    for (const char* name : {"ActMain.txt", "ActSerif.txt", "ActTime.txt", "Alarm.txt"})
        folder.writeResource(name, readFile(kBuild + QStringLiteral("/vemraViewer/Resources/") + name));
    if (!timeCatalogue.isEmpty())
        folder.writeResource(QStringLiteral("ActTime.txt"), timeCatalogue);
    QDir().mkpath(folder.root() + QStringLiteral("/vemra-dorat/Payload"));
    QFile::link(kBuild + QStringLiteral("/vemra-dorat/Payload/VemraDorat.app"), folder.dataPath());
    folder.writePrefs(vemra::test::preferencesText({}));
}

void waitForTheDeviceToClose(benchmark::State& state)
{
    if (!platform::testing::waitForAudioIdle(30000))
        state.SkipWithError("the audio device did not close");
}

void NewMinuteTick(benchmark::State& state)
{
    AppFolder folder;
    installDemoData(folder);
    MainWindow* window = mainWindow();
    int minute = 7 * 60;
    for (auto _ : state) {
        state.PauseTiming();
        waitForTheDeviceToClose(state);
        ++minute; // not a quarter hour in this run: the time announcement plays
        if (minute % 15 == 0)
            ++minute;
        vemra::test::setTime(minute / 60, minute % 60, 0);
        state.ResumeTiming();
        window->mainTimer()->fire();
    }
    state.counters["playing"] = platform::testing::playbacksInProgress();
    state.counters["backdrop"] = window->Backdrop() != nullptr;
    waitForTheDeviceToClose(state);
}
BENCHMARK(NewMinuteTick)->Unit(benchmark::kMillisecond)->Iterations(20);

void SameMinuteTick(benchmark::State& state)
{
    AppFolder folder;
    installDemoData(folder);
    vemra::test::tickAt(7, 14, 0);
    MainWindow* window = mainWindow();
    int second = 0;
    for (auto _ : state) {
        second = second % 59 + 1; // a new title every tick
        vemra::test::setTime(7, 14, second);
        window->mainTimer()->fire();
    }
    state.counters["new title"] = window->Title() != "07:14:00";
    waitForTheDeviceToClose(state);
}
BENCHMARK(SameMinuteTick)->Unit(benchmark::kMicrosecond);

void MillionLineMinuteTick(benchmark::State& state)
{
    AppFolder folder;
    QByteArray catalogue;
    catalogue.reserve(8'000'000);
    for (int i = 0; i < 1'000'000; ++i)
        catalogue += "0714\t1\r";
    installDemoData(folder, catalogue);
    MainWindow* window = mainWindow();
    int second = 0;
    for (auto _ : state) {
        state.PauseTiming();
        waitForTheDeviceToClose(state);
        vemra::test::clickMainWindow(); // the next tick replays the minute
        vemra::test::setTime(7, 14, ++second);
        state.ResumeTiming();
        window->mainTimer()->fire();
    }
    state.counters["playing"] = platform::testing::playbacksInProgress();
    waitForTheDeviceToClose(state);
}
BENCHMARK(MillionLineMinuteTick)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // benchmarks/run.sh runs it on an X server
    qputenv("SDL_DISKAUDIODELAY", "0");
    vemra::test::ensureRuntime();
    platform::testing::setAudioOutput("disk", "/dev/null");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
