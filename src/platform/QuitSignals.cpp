#include "platform/QuitSignals.h"

#include "platform/Application.h"
#include "platform/FrameworkState.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <SDL.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace platform::framework {

namespace {

constexpr std::array<int, 3> kQuitSignals{SIGTERM, SIGINT, SIGHUP};

// The handler writes the signal's number to this pipe; the event loop reads it.
int wakeRead = -1;
int wakeWrite = -1;
// Set once a quit signal of that kind has arrived: the clock is closing from then on.
volatile std::sig_atomic_t arrived[kQuitSignals.size()] = {};
QPointer<QSocketNotifier> notifier;

// Only async-signal-safe calls here.
void onQuitSignal(int signal)
{
    const int savedErrno = errno;
    for (std::size_t i = 0; i < kQuitSignals.size(); ++i) {
        if (kQuitSignals[i] != signal)
            continue;
        if (arrived[i] != 0) {
            // Asked again while closing: the close may be stuck, so the signal now ends the
            // process the ordinary way. It is blocked until this handler returns.
            struct sigaction ordinary {};
            ordinary.sa_handler = SIG_DFL;
            sigemptyset(&ordinary.sa_mask);
            sigaction(signal, &ordinary, nullptr);
            raise(signal);
            errno = savedErrno;
            return;
        }
        arrived[i] = 1;
    }
    const char number = static_cast<char>(signal);
    if (write(wakeWrite, &number, 1) < 0) {
        // A full pipe already holds a wake-up; nothing else can be done here.
    }
    errno = savedErrno;
}

void onWake()
{
    char numbers[64];
    while (read(wakeRead, numbers, sizeof numbers) > 0) {
    }
    handleErrors("quit signal", [] { quitAction(); });
}

bool makeWakePipe()
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    wakeRead = ends[0];
    wakeWrite = ends[1];
    return true;
}

void catchQuitSignals()
{
    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kQuitSignals) {
        struct sigaction current {};
        if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN)
            continue;
        sigaction(signal, &action, nullptr);
    }
}

} // namespace

void installQuitSignals()
{
    // While its audio device is open SDL would otherwise catch these signals and turn them
    // into quit events of its own, which nothing here reads.
    SDL_SetHintWithPriority(SDL_HINT_NO_SIGNAL_HANDLERS, "1", SDL_HINT_OVERRIDE);

    if (wakeRead < 0) {
        if (!makeWakePipe()) {
            // The signals keep ending the process at once, without saving.
            std::fprintf(stderr, "vemraViewer: cannot handle quit signals: %s\n", std::strerror(errno));
            return;
        }
        catchQuitSignals();
    }
    if (notifier.isNull() && QCoreApplication::instance() != nullptr) {
        notifier = new QSocketNotifier(wakeRead, QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] { onWake(); });
    }
}

} // namespace platform::framework
