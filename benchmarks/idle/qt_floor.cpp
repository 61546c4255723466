// The least a Qt Widgets program pays to wake twice a second, as the clock must: one shown
// window and a 500 ms precise timer on the wall clock's whole and half seconds, whose handler
// does nothing. benchmarks/run.sh measures it beside xclock in the same run as the clock, in
// windows of its own between the clock's, as the floor under the clock's idle cost.
#include <QApplication>
#include <QDateTime>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("qt-floor"));
    window.resize(240, 120);
    window.show();

    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [] {});
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    QTimer::singleShot(static_cast<int>(500 - now % 500) + 1, Qt::PreciseTimer, &timer, [&timer] { timer.start(500); });
    return QApplication::exec();
}
