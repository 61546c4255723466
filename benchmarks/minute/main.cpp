// The minute as the user meets it: the real program, started as its own entry starts it, on
// the real event loop under an X server, with SDL's disk audio driver writing at a sound
// card's pace. A clock injected through the platform's test seam runs the minutes fast: each
// minute lasts a few real seconds and changes exactly on a real whole second, so the wall
// clock's own second is the reference for every figure. Measured for each minute change:
//
// - the minute noticed: the main window's title, as the X server holds it, shows the new minute
//   (the tick ran), in ms after the wall clock's whole second at which the minute changed;
// - the photo painted: the end of the first repaint that shows the new minute's photo (the
//   window's backing store flushed to the X server);
// - the first bytes out of the device after the minute, and the clip's first frame out (the
//   clip found in the device's output by its first sound, less its own leading silence);
// - the longest GUI-thread stall in the minute change's window (from 0.5 s before it to 0.5 s
//   before the next one: the tick, the paint, and the audio device's closing a few seconds
//   later): the most a 1 ms timer on the GUI thread came late;
// - the lateness of every title change after the wall clock's second.
//
// With --long-clip, the last --long-minutes minutes play that (2-hour) file instead, each a
// copy of its own, to show that long clips freeze nothing and keep within the clip cap's
// memory: the longest stall and the resident memory's peak are given for those minutes.
//
//   bench_minute_change --build BUILD --work FOLDER [--minutes 12] [--seconds-per-minute 10]
//                       [--start 07:10] [--long-clip FILE --long-minutes 3]
#include "DeviceOutput.h"
#include "Figures.h"
#include "TitleWatcher.h"

#include "app/Startup.h"
#include "clock/MainWindow.h"
#include "platform/Application.h"
#include "platform/Date.h"
#include "platform/Testing.h"
#include "support/AudioCapture.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr std::int64_t kMs = 1'000'000;

struct Options {
    QString build;
    QString work;
    int minutes = 12;
    int secondsPerMinute = 10;
    int startMinuteOfDay = 7 * 60 + 10;
    QString longClip;
    int longMinutes = 3;
};

[[noreturn]] void usage(const char* why)
{
    std::fprintf(stderr, "bench_minute_change: %s\n", why);
    std::exit(2);
}

Options parse(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (i + 1 >= argc)
            usage("a value is missing");
        const QString value = QString::fromLocal8Bit(argv[++i]);
        if (name == "--build")
            options.build = QDir(value).absolutePath();
        else if (name == "--work")
            options.work = QDir(value).absolutePath();
        else if (name == "--minutes")
            options.minutes = value.toInt();
        else if (name == "--seconds-per-minute")
            options.secondsPerMinute = value.toInt();
        else if (name == "--start")
            options.startMinuteOfDay = value.left(2).toInt() * 60 + value.mid(3, 2).toInt();
        else if (name == "--long-clip")
            options.longClip = QDir(value).absolutePath();
        else if (name == "--long-minutes")
            options.longMinutes = value.toInt();
        else
            usage("unknown option");
    }
    if (options.build.isEmpty() || options.work.isEmpty() || options.minutes < 1 || options.secondsPerMinute < 5)
        usage("--build and --work are needed; at least 1 minute of at least 5 s");
    if (options.longClip.isEmpty())
        options.longMinutes = 0;
    return options;
}

QString minuteKey(int minuteOfDay)
{
    minuteOfDay = (minuteOfDay % 1440 + 1440) % 1440;
    return QString::asprintf("%02d%02d", minuteOfDay / 60, minuteOfDay % 60);
}

// The clip the clock plays at a minute with every speaker on and voice mode 0.
QString clipFolder(int minuteOfDay)
{
    return minuteOfDay % 15 == 0 ? QStringLiteral("Sounds/Serif") : QStringLiteral("Sounds/Time");
}

void link(const QString& target, const QString& name)
{
    QDir().mkpath(QFileInfo(name).path());
    if (!QFile::link(target, name))
        usage(qPrintable("cannot link " + name));
}

// An installation of the clock whose data are the demo data, linked, but for the clips of
// the long minutes: each a copy of the long clip (a copy, so that each is decoded anew).
void install(const Options& options, const QString& app, const std::vector<int>& longMinutes)
{
    const QString demoData = options.build + QStringLiteral("/vemra-dorat/Payload/VemraDorat.app");
    if (!QFileInfo::exists(demoData + QStringLiteral("/Sounds/Time/0000.mp3")))
        usage("no demo data in the build folder (vemra-demo-data BUILD makes it)");
    QDir().mkpath(app + QStringLiteral("/vemraViewer/bin"));
    link(options.build + QStringLiteral("/vemraViewer/Resources"), app + QStringLiteral("/vemraViewer/Resources"));
    const QString data = app + QStringLiteral("/vemra-dorat/Payload/VemraDorat.app");
    link(demoData + QStringLiteral("/Photos"), data + QStringLiteral("/Photos"));
    link(demoData + QStringLiteral("/Sounds/Alarm"), data + QStringLiteral("/Sounds/Alarm"));
    for (const QString& folder : {QStringLiteral("Sounds/Time"), QStringLiteral("Sounds/Serif")}) {
        QDir().mkpath(data + QLatin1Char('/') + folder);
        for (const QString& name : QDir(demoData + QLatin1Char('/') + folder).entryList(QDir::Files))
            link(demoData + QLatin1Char('/') + folder + QLatin1Char('/') + name, data + QLatin1Char('/') + folder + QLatin1Char('/') + name);
    }
    for (int minute : longMinutes) {
        const QString clip = data + QLatin1Char('/') + clipFolder(minute) + QLatin1Char('/') + minuteKey(minute) + QStringLiteral(".mp3");
        QFile::remove(clip);
        if (!QFile::copy(options.longClip, clip))
            usage("cannot copy the long clip");
    }
}

void writePreferences(const QString& folder)
{
    QDir().mkpath(folder);
    QFile prefs(folder + QStringLiteral("/vemraViewer Prefs"));
    if (!prefs.open(QIODevice::WriteOnly))
        usage("cannot write the preferences");
    prefs.write("seiyuOn/Off=1,1,1,1,1,1,1,1,1,1,1,1\nalarmOn=0\nalarmHour=00\nalarmMin=00\nalarmVoice=0\nvoiceMode=0\n");
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - (a % b < 0 ? 1 : 0);
}

// Resident memory now and at its peak, in kB.
std::pair<long, long> residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    long now = 0;
    long peak = 0;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                now = line.mid(6).trimmed().split(' ').front().toLong();
            else if (line.startsWith("VmHWM:"))
                peak = line.mid(6).trimmed().split(' ').front().toLong();
        }
    }
    return {now, peak};
}

struct MinuteChange {
    int minuteOfDay = 0;
    bool longClip = false;
    std::int64_t at = 0; // the wall-clock instant of the change, ns
    std::optional<std::int64_t> noticed;
    std::optional<std::int64_t> painted;
    std::int64_t longestStall = 0;
};

// Watches the GUI thread: the repaint that shows a new photo, and the lateness of a 1 ms
// timer. The main window's title is watched on the X server (TitleWatcher) from its first
// showing.
class Observer : public QObject {
public:
    Observer(std::vector<MinuteChange>& changes, bench::TitleWatcher& titles) : changes_(changes), titles_(titles)
    {
        probe_.setTimerType(Qt::PreciseTimer);
        probe_.setInterval(1);
        connect(&probe_, &QTimer::timeout, this, [this] {
            const std::int64_t now = bench::wallNs();
            if (lastProbe_ != 0) {
                const std::int64_t late = now - lastProbe_ - kMs;
                for (MinuteChange& change : changes_) {
                    const std::int64_t window = change.at - 500 * kMs;
                    if (now > window && now <= window + period_)
                        change.longestStall = std::max(change.longestStall, late);
                }
            }
            lastProbe_ = now;
        });
        probe_.start();
    }

    void setPeriod(std::int64_t ns) { period_ = ns; }
    // Before the main window closes: nothing here may ask for it again after.
    void stop() { stopped_ = true; }

    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (stopped_)
            return false;
        if (event->type() == QEvent::Show && !watching_ && object->isWidgetType()
            && static_cast<QWidget*>(object)->isWindow()) {
            watching_ = true; // the main window, the first to show
            titles_.watch(std::uint32_t(static_cast<QWidget*>(object)->winId()));
        } else if (event->type() == QEvent::Paint && watching_ && mainWindow()->Backdrop() != lastBackdrop_) {
            lastBackdrop_ = mainWindow()->Backdrop();
            MinuteChange* change = latestChangeBefore(bench::wallNs());
            if (change != nullptr && !change->painted) {
                // Runs once the repaint under way has been drawn and flushed.
                QTimer::singleShot(0, this, [change] { change->painted = bench::wallNs(); });
            }
        }
        return false;
    }

private:
    MinuteChange* latestChangeBefore(std::int64_t now)
    {
        MinuteChange* latest = nullptr;
        for (MinuteChange& change : changes_)
            if (change.at <= now)
                latest = &change;
        return latest;
    }

    std::vector<MinuteChange>& changes_;
    bench::TitleWatcher& titles_;
    QTimer probe_;
    std::int64_t lastProbe_ = 0;
    std::int64_t period_ = 0;
    bool watching_ = false;
    bool stopped_ = false;
    std::shared_ptr<platform::Picture> lastBackdrop_;
};

// When each minute change was noticed (the first title of its minute on the server), and how
// late after the wall clock's second every title change after the first came.
bench::Figures noteTitles(const std::vector<bench::TitleWatcher::Change>& titles, std::vector<MinuteChange>& changes)
{
    bench::Figures secondsLateness;
    bool first = true;
    for (const auto& [arrived, title] : titles) {
        if (title.size() != 8 || title == "00:00:00")
            continue;
        // The first tick comes as the window opens, at no particular time.
        if (!first)
            secondsLateness.add(double(arrived % 1'000'000'000) / kMs);
        first = false;
        const int minuteOfDay = std::atoi(title.substr(0, 2).c_str()) * 60 + std::atoi(title.substr(3, 2).c_str());
        for (MinuteChange& change : changes)
            if (change.minuteOfDay == minuteOfDay && !change.noticed && arrived >= change.at)
                change.noticed = arrived;
    }
    return secondsLateness;
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parse(argc, argv);
    const QString app = options.work + QStringLiteral("/app");
    const QString audioFile = options.work + QStringLiteral("/device-output.raw");
    std::vector<int> longMinutes;
    for (int k = options.minutes - options.longMinutes; k < options.minutes; ++k)
        longMinutes.push_back(options.startMinuteOfDay + k);
    install(options, app, longMinutes);
    writePreferences(options.work + QStringLiteral("/config"));

    platform::testing::setExecutableFile((app + QStringLiteral("/vemraViewer/bin/vemraViewer")).toStdString());
    platform::testing::setPreferencesFolder((options.work + QStringLiteral("/config")).toStdString());

    // Minute k (from 0) starts at the wall-clock instant start + k * period; before the
    // first, the minute before it runs (its tick opens the window and plays as at start-up).
    const std::int64_t period = std::int64_t(options.secondsPerMinute) * 1000 * kMs;
    const std::int64_t start = (floorDiv(bench::wallNs(), period) + 2) * period;
    platform::testing::setClock([=] {
        const std::int64_t since = bench::wallNs() - start;
        const std::int64_t minute = floorDiv(since, period);
        const int second = int((since - minute * period) / (1000 * kMs));
        const int minuteOfDay = int(((options.startMinuteOfDay + minute) % 1440 + 1440) % 1440);
        return platform::Date(2025, 1, 6, minuteOfDay / 60, minuteOfDay % 60, second);
    });

    std::vector<MinuteChange> changes(std::size_t(options.minutes));
    for (int k = 0; k < options.minutes; ++k) {
        changes[std::size_t(k)].minuteOfDay = (options.startMinuteOfDay + k) % 1440;
        changes[std::size_t(k)].longClip = k >= options.minutes - options.longMinutes;
        changes[std::size_t(k)].at = start + k * period;
    }

    platform::RuntimeInit();
    // Each clip's own leading silence, decoded as the platform decodes it, before the clock
    // opens its own device.
    std::map<int, std::size_t> leadingSilence;
    for (const MinuteChange& change : changes) {
        if (change.longClip)
            continue;
        const QString clip = app + QStringLiteral("/vemra-dorat/Payload/VemraDorat.app/") + clipFolder(change.minuteOfDay)
                             + QLatin1Char('/') + minuteKey(change.minuteOfDay) + QStringLiteral(".mp3");
        const auto& samples = vemra::test::Clip::decode(clip).samples();
        std::size_t frame = 0;
        while (2 * frame + 1 < samples.size() && samples[2 * frame] == 0 && samples[2 * frame + 1] == 0)
            ++frame;
        leadingSilence[change.minuteOfDay] = frame;
    }
    platform::testing::setAudioOutput("disk", audioFile.toStdString());
    bench::DeviceOutput output(audioFile.toStdString());

    bench::TitleWatcher titles;
    if (!titles.connected())
        std::fprintf(stderr, "cannot watch the title: no X server\n");
    Observer observer(changes, titles);
    observer.setPeriod(period);
    QCoreApplication::instance()->installEventFilter(&observer);
    long residentBeforeLong = 0;
    long peakBeforeLong = 0;
    const int firstLong = options.minutes - options.longMinutes;
    const std::int64_t beforeLong = start + firstLong * period - 500 * kMs;
    // Precise: Qt rounds a coarse timer of over 20 s to whole seconds, which could take the
    // sample after the minute change it must come before.
    QTimer::singleShot(int((beforeLong - bench::wallNs()) / kMs), Qt::PreciseTimer, [&] {
        std::tie(residentBeforeLong, peakBeforeLong) = residentKb();
    });
    long residentAtEnd = 0;
    long peakAtEnd = 0;
    const std::int64_t end = start + options.minutes * period - 500 * kMs;
    QTimer::singleShot(int((end - bench::wallNs()) / kMs), Qt::PreciseTimer, [&] {
        std::tie(residentAtEnd, peakAtEnd) = residentKb();
        observer.stop();
        mainWindow()->Close();
    });

    _Main();

    // --- The figures -------------------------------------------------------------------------
    const bench::Figures secondsLateness = noteTitles(titles.changes(), changes);
    bench::Figures noticed, painted, deviceStarted, clipOut, stalls, longStalls;
    const std::vector<bench::DeviceOutput::Opening> openings = output.openings();
    std::printf("minute  clip               noticed  painted  device  clip-out  stall (ms after the minute; stall: most a 1 ms timer came late)\n");
    for (const MinuteChange& change : changes) {
        const auto after = [&](std::optional<std::int64_t> at) { return at ? double(*at - change.at) / kMs : -1.0; };
        double started = -1;
        double clip = -1;
        if (!change.longClip) {
            // The device's opening for this minute: the first that wrote after the change.
            for (const auto& opening : openings) {
                if (opening.writes.empty() || opening.writes.front().wallNs < change.at)
                    continue;
                started = double(opening.writes.front().wallNs - change.at) / kMs;
                if (opening.firstSoundByte) {
                    const std::int64_t clipStart = *opening.firstSoundByte - std::int64_t(leadingSilence[change.minuteOfDay]) * 4;
                    if (const auto out = opening.wallNsOf(std::max<std::int64_t>(clipStart, 0)))
                        clip = double(*out - change.at) / kMs;
                }
                break;
            }
        }
        std::printf("%s   %-17s %7.1f  %7.1f  %6.1f  %8.1f  %5.1f\n", qPrintable(minuteKey(change.minuteOfDay)),
                    change.longClip ? "long (copy)" : qPrintable(clipFolder(change.minuteOfDay).mid(7) + QStringLiteral(" clip")),
                    after(change.noticed), after(change.painted), started, clip, double(change.longestStall) / kMs);
        if (change.longClip) {
            longStalls.add(double(change.longestStall) / kMs);
            continue;
        }
        if (change.noticed)
            noticed.add(after(change.noticed));
        if (change.painted)
            painted.add(after(change.painted));
        if (started >= 0)
            deviceStarted.add(started);
        if (clip >= 0)
            clipOut.add(clip);
        stalls.add(double(change.longestStall) / kMs);
    }
    std::printf("\n| minute change (%d minutes of %d s, Xvfb) | median | p90 | range | n | xclock | target |\n|---|---|---|---|---|---|---|\n",
                options.minutes - options.longMinutes, options.secondsPerMinute);
    bench::printRow("minute noticed (title shows it), ms after hh:mm:00", noticed, "");
    bench::printRow("photo painted, ms after hh:mm:00", painted, "<= 20");
    bench::printRow("device's first bytes out, ms after hh:mm:00", deviceStarted, "");
    bench::printRow("clip's first frame out of the device, ms after hh:mm:00", clipOut, "<= 45");
    bench::printRow("longest GUI-thread stall per minute change, ms", stalls, "<= 16");
    bench::printRow("title's seconds change, ms after each wall-clock second", secondsLateness, "");
    if (options.longMinutes > 0) {
        std::printf("\n| long clips (%d minute changes, each a copy of %s) | median | p90 | range | n | xclock | target |\n|---|---|---|---|---|---|---|\n",
                    options.longMinutes, qPrintable(QFileInfo(options.longClip).fileName()));
        bench::printRow("longest GUI-thread stall per minute change, ms", longStalls, "<= 16");
        std::printf("| resident memory before the long clips, MB | %.1f | - | peak so far %.1f | 1 | - | |\n", double(residentBeforeLong) / 1024,
                    double(peakBeforeLong) / 1024);
        std::printf("| resident memory with the long clips playing, MB | %.1f | - | peak %.1f | 1 | - | before + %d x 53 (the cap) |\n",
                    double(residentAtEnd) / 1024, double(peakAtEnd) / 1024, options.longMinutes);
    }
    return 0;
}
