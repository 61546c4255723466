// What one tick of the clock costs: a tick within the same minute (the title only), and a
// tick that starts a new minute (photo decode, file tests, a scan of 1440-line catalogues and
// the start of a sound). Run: build/benchmarks/bench_minute_tick
#include "support/AppFolder.h"
#include "support/TestRuntime.h"

#include "clock/MainWindow.h"
#include "platform/Testing.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <memory>

using vemra::test::AppFolder;

namespace {

QByteArray minutePhoto()
{
    QImage image(320, 480, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, 480);
    sky.setColorAt(0, QColor(30, 60, 140));
    sky.setColorAt(1, QColor(250, 180, 120));
    painter.fillRect(image.rect(), sky);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return bytes;
}

// A full day of catalogue lines, every minute spoken by one of the twelve speakers.
QByteArray timeCatalogue()
{
    QByteArray text;
    for (int minute = 0; minute < 1440; ++minute)
        text += QString::asprintf("%02d%02d\t%d\r", minute / 60, minute % 60, minute % 12 + 1).toLatin1();
    return text;
}

struct Installation {
    Installation()
    {
        platform::testing::setAudioOutput("dummy", "");
        folder.writeResource("ActTime.txt", timeCatalogue());
        folder.writeResource("ActSerif.txt", "0000\t1\r0015\t2\r0030\t3\r0045\t4\r");
        folder.writeData("Photos/0714.jpg", minutePhoto());
        folder.copyData("tone-440-300ms.mp3", "Sounds/Time/0714.mp3");
        vemra::test::setTime(7, 14, 0);
        window = mainWindow();
        window->mainTimer()->fire();
    }
    AppFolder folder;
    MainWindow* window = nullptr;
};

Installation& installation()
{
    static auto* shared = new Installation; // lives to the end of the process
    return *shared;
}

void SameMinuteTick(benchmark::State& state)
{
    MainWindow* window = installation().window;
    for (auto _ : state)
        window->mainTimer()->fire();
}
BENCHMARK(SameMinuteTick);

void NewMinuteTick(benchmark::State& state)
{
    MainWindow* window = installation().window;
    for (auto _ : state) {
        window->lastTime = "";
        window->mainTimer()->fire();
    }
    state.counters["playing"] = platform::testing::playbacksInProgress();
    state.counters["backdrop"] = window->Backdrop() != nullptr;
}
BENCHMARK(NewMinuteTick)->Unit(benchmark::kMillisecond)->Iterations(200);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    vemra::test::ensureRuntime();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    platform::testing::waitForAudioIdle(60000);
    benchmark::Shutdown();
    return 0;
}
