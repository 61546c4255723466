#pragma once

// A thread that runs tasks one after the other, in the order they were posted. It starts
// when a task is posted and ends once its owner says, with nothing left to run, that it may:
// no thread is left over while there is nothing to do. Started through SDL, which frees what
// it keeps for each thread that calls it (its error text) only for threads it started.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

struct SDL_Thread;

namespace platform {

class AudioThread {
public:
    using Clock = std::chrono::steady_clock;
    using Task = std::function<void()>;

    // What the thread does once its queue has run empty: wait for tasks, at most until a
    // time (then asks again), or end.
    struct Pause {
        bool end = false;
        std::optional<Clock::time_point> until;

        static Pause ending() { return {true, std::nullopt}; }
        static Pause untilWoken() { return {false, std::nullopt}; }
        static Pause untilWokenOr(Clock::time_point time) { return {false, time}; }
    };

    // `whenEmpty` runs on the thread each time its queue has run empty.
    explicit AudioThread(std::function<Pause()> whenEmpty);
    // Never destroyed while running: the owner lives to the end of the process.
    ~AudioThread() = default;
    AudioThread(const AudioThread&) = delete;
    AudioThread& operator=(const AudioThread&) = delete;

    // From any thread, also from a task.
    void post(Task task);
    // Runs the task after everything posted before it and returns once it has run. Not from
    // a task.
    void runAndWait(Task task);
    // Waits until the thread has ended, at most until the deadline; true when it has.
    bool waitUntilEnded(Clock::time_point deadline);

private:
    static int entry(void* self);
    void run();

    std::function<Pause()> whenEmpty_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable ended_;
    std::deque<Task> queue_;
    bool running_ = false;
    SDL_Thread* thread_ = nullptr;
};

} // namespace platform
