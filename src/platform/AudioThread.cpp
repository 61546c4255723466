#include "platform/AudioThread.h"

#include <SDL_thread.h>

#include <future>
#include <utility>

namespace platform {

AudioThread::AudioThread(std::function<Pause()> whenEmpty) : whenEmpty_(std::move(whenEmpty)) {}

void AudioThread::post(Task task)
{
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(task));
    if (!running_) {
        // A thread that has ended has let go of the lock for good: joining it is quick.
        if (thread_)
            SDL_WaitThread(thread_, nullptr);
        // Should no thread start, the tasks wait for the next post to try again.
        thread_ = SDL_CreateThread(&AudioThread::entry, "vemraAudio", this);
        running_ = thread_ != nullptr;
    }
    wake_.notify_one();
}

void AudioThread::runAndWait(Task task)
{
    std::promise<void> done;
    post([&] {
        task();
        done.set_value();
    });
    done.get_future().wait();
}

bool AudioThread::waitUntilEnded(Clock::time_point deadline)
{
    std::unique_lock lock(mutex_);
    return ended_.wait_until(lock, deadline, [this] { return !running_; });
}

int AudioThread::entry(void* self)
{
    static_cast<AudioThread*>(self)->run();
    return 0;
}

void AudioThread::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        if (!queue_.empty()) {
            Task task = std::move(queue_.front());
            queue_.pop_front();
            lock.unlock();
            task();
            task = nullptr; // what it held goes before the lock is taken again
            lock.lock();
            continue;
        }
        lock.unlock();
        const Pause pause = whenEmpty_();
        lock.lock();
        if (!queue_.empty())
            continue;
        if (pause.end) {
            running_ = false;
            ended_.notify_all();
            return;
        }
        const auto hasWork = [this] { return !queue_.empty(); };
        if (pause.until)
            wake_.wait_until(lock, *pause.until, hasWork);
        else
            wake_.wait(lock, hasWork);
    }
}

} // namespace platform
