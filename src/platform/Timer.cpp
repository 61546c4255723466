#include "platform/Controls.h"

#include "platform/Application.h"
#include "platform/WallClockTicks.h"

#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace platform {

namespace {

constexpr int kOff = 0;
constexpr int kRepeating = 2;

} // namespace

// A period that follows the wall clock runs as a repeating precise timer started on one of
// its boundaries; each tick reads the wall clock and keeps it there (stepForTick). Restarting
// the timer only when a tick is early or late, not on every tick, keeps an idle tick cheap.
// Other periods run as a plain interval.
struct Timer::Impl {
    QTimer timer;
    int mode = kRepeating;
    int period = 1000;
    bool constructed = false;
    std::int64_t tickAt = 0; // the wall-clock time the next tick is for
    std::function<void(Timer&)> action;

    bool onWallClock() const { return wallclock::followsWallClock(period); }

    // A single shot for the next boundary; its tick starts the repeating timer.
    void armFrom(std::int64_t now)
    {
        tickAt = wallclock::nextTick(now, period);
        timer.setSingleShot(true);
        timer.start(std::chrono::milliseconds(tickAt - now));
    }

    // Whether the tick that just came should run the Action; keeps the timer on the
    // boundaries for the ticks after it.
    bool tickIsDue()
    {
        const std::int64_t now = wallclock::nowMs();
        switch (wallclock::stepForTick(now, tickAt, timer.isSingleShot())) {
        case wallclock::TickStep::Wait:
            armFrom(now);
            return false;
        case wallclock::TickStep::StartRepeating:
            timer.setSingleShot(false);
            timer.start(period); // from now: as close after the boundary as this tick came
            tickAt += period;
            return true;
        case wallclock::TickStep::Continue:
            tickAt += period;
            return true;
        case wallclock::TickStep::Restart:
            armFrom(now);
            return true;
        }
        return true;
    }

    void restart()
    {
        timer.stop();
        if (!constructed || mode != kRepeating)
            return;
        if (onWallClock()) {
            timer.setTimerType(Qt::PreciseTimer);
            armFrom(wallclock::nowMs());
        } else {
            timer.setSingleShot(false);
            timer.setTimerType(Qt::CoarseTimer);
            timer.start(std::max(1, period)); // a period of 0 would spin the event loop
        }
    }
};

Timer::Timer() : d(std::make_unique<Impl>())
{
    QObject::connect(&d->timer, &QTimer::timeout, &d->timer, [this] {
        // Decided before the Action runs, which may turn the timer off.
        if (d->onWallClock() && !d->tickIsDue())
            return;
        fire();
    });
}

Timer::~Timer() = default;

void Timer::Constructor()
{
    d->constructed = true;
    d->restart();
}

int Timer::Mode() const { return d->mode; }
int Timer::Period() const { return d->period; }

void Timer::_SetProperties(const TimerProperties& properties)
{
    d->mode = properties.Mode == kRepeating ? kRepeating : kOff;
    d->period = properties.Period;
    d->restart();
}

void Timer::setAction(std::function<void(Timer&)> action) { d->action = std::move(action); }

void Timer::fire()
{
    const auto action = d->action; // the handler may replace it
    handleErrors([this] { return actionHandlerName(*this, "Timer"); }, [&] {
        if (action)
            action(*this);
    });
}

} // namespace platform
