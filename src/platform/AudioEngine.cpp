#include "platform/AudioEngine.h"

#include "platform/ClipDecoder.h"
#include "platform/DecodedAudio.h"

#include <QCoreApplication>
#include <QThread>

#include <utility>

namespace platform {

AudioEngine& AudioEngine::instance()
{
    // Never destroyed: the audio thread may reach it until it ends, which can be after the
    // application object's end.
    static AudioEngine* const engine = new AudioEngine;
    return *engine;
}

AudioEngine::AudioEngine()
    : thread_([this] { return whenAudioThreadEmpty(); }), device_(thread_)
{
}

void AudioEngine::setOutput(const std::string& driver, const std::string& file)
{
    AudioDevice::rememberStartingOutput();
    output_ = {.chosen = true, .driver = driver, .file = file};
}

std::shared_ptr<DecodedAudio> AudioEngine::open(std::unique_ptr<ClipFile> file)
{
    // What the audio thread reports is handed to the application's event loop.
    const QCoreApplication* application = QCoreApplication::instance();
    if (!application || QThread::currentThread() != application->thread()
        || thread() != application->thread())
        return nullptr;

    const std::string identity = file->identity();
    const auto found = held_.find(identity);
    if (found != held_.end()) {
        std::shared_ptr<DecodedAudio> audio = found->second.lock();
        if (audio && audio->engineSession() == session_)
            return audio;
    }
    auto audio = std::make_shared<DecodedAudio>(session_);
    std::erase_if(held_, [](const auto& entry) { return entry.second.expired(); });
    held_[identity] = audio;
    request([this, audio, file = std::shared_ptr<ClipFile>(std::move(file)), output = output_] {
        device_.decode(*audio, *file, output);
    });
    return audio;
}

void AudioEngine::play(const std::shared_ptr<DecodedAudio>& audio)
{
    if (!audio || audio->engineSession() != session_ || full())
        return;
    ++playbacks_;
    const int session = session_;
    request([this, audio, session] {
        device_.play(audio, [this, session] {
            QMetaObject::invokeMethod(this, [this, session] { playbackEnded(session); }, Qt::QueuedConnection);
        });
    });
}

void AudioEngine::request(AudioThread::Task task)
{
    deviceInUse_ = true;
    const long number = ++requests_;
    if (!closeAtEndRegistered_) {
        qAddPostRoutine(&AudioEngine::closeAtApplicationEnd);
        closeAtEndRegistered_ = true;
    }
    thread_.post([this, number, task = std::move(task)] {
        task();
        requestsDone_ = number;
    });
}

void AudioEngine::releaseSamples(Mix_Chunk* chunk, int deviceSession)
{
    thread_.post([this, chunk, deviceSession] { device_.release(chunk, deviceSession); });
}

AudioThread::Pause AudioEngine::whenAudioThreadEmpty()
{
    const AudioThread::Pause pause = device_.whenEmpty();
    if (pause.end && requestsDone_ != requestsReported_) {
        const long done = requestsReported_ = requestsDone_;
        QMetaObject::invokeMethod(this, [this, done] { settled(done); }, Qt::QueuedConnection);
    }
    return pause;
}

void AudioEngine::playbackEnded(int session)
{
    if (session == session_ && playbacks_ > 0)
        --playbacks_;
}

// The device has closed (or never opened) after the audio thread carried out `request`.
// Should more have been asked of it since, it is in use again.
void AudioEngine::settled(long request)
{
    if (request != requests_ || !deviceInUse_)
        return;
    deviceInUse_ = false;
    playbacks_ = 0;
    ++session_;
    held_.clear();
    emit deviceClosed();
}

bool AudioEngine::waitForAudioThreadEnd(int timeoutMs)
{
    return thread_.waitUntilEnded(AudioThread::Clock::now() + std::chrono::milliseconds(timeoutMs));
}

// What still plays stops with the application; the GUI thread waits for that, as the
// application ends.
void AudioEngine::closeAtApplicationEnd()
{
    AudioEngine& engine = instance();
    engine.closeAtEndRegistered_ = false;
    if (engine.deviceInUse_) {
        engine.thread_.runAndWait([&engine] {
            engine.device_.close();
            engine.requestsReported_ = engine.requestsDone_;
        });
    }
    engine.deviceInUse_ = false;
    engine.playbacks_ = 0;
    ++engine.session_;
    engine.held_.clear();
    emit engine.deviceClosed();
}

} // namespace platform
