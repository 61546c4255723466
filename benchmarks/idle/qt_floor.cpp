// The floor under the clock's idle cost: a bare Qt Widgets program doing what the clock does
// between minutes. One shown window, retitled with the time by a precise single shot armed at
// each tick for just after the wall clock's next whole or half second. Unlike the clock, it
// leaves the X server's property-change events on. benchmarks/run.sh measures it in the same
// run as the clock.
#include <QApplication>
#include <QDateTime>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(240, 120);

    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    const auto tick = [&] {
        const QString title = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
        if (title != window.windowTitle())
            window.setWindowTitle(title);
        // 1 ms after the next boundary, as the clock's timer does.
        timer.start(int(500 - (QDateTime::currentMSecsSinceEpoch() - 1) % 500));
    };
    QObject::connect(&timer, &QTimer::timeout, tick);
    tick();
    window.show();
    return QApplication::exec();
}
