#include "platform/Testing.h"

#include "platform/AudioEngine.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace platform::testing {

void setAudioOutput(const String& driver, const String& file)
{
    AudioEngine::instance().setOutput(driver, file);
}

bool audioDeviceOpen()
{
    return AudioEngine::instance().deviceOpen();
}

int playbacksInProgress()
{
    return AudioEngine::instance().playbacksInProgress();
}

bool waitForAudioIdle(int timeoutMs)
{
    AudioEngine& engine = AudioEngine::instance();
    const QDeadlineTimer deadline(timeoutMs);
    if (!engine.idle()) {
        QEventLoop loop;
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(&engine, &AudioEngine::deviceClosed, &loop, &QEventLoop::quit);
        timeout.start(timeoutMs);
        loop.exec();
    }
    // The audio thread may still be letting go of samples; once it has ended, a caller may
    // use SDL itself.
    return engine.idle() && engine.waitForAudioThreadEnd(int(deadline.remainingTime()));
}

} // namespace platform::testing
