#include "platform/Testing.h"

#include "platform/AudioEngine.h"

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
    if (engine.idle())
        return true;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&engine, &AudioEngine::deviceClosed, &loop, &QEventLoop::quit);
    timeout.start(timeoutMs);
    loop.exec();
    return engine.idle();
}

} // namespace platform::testing
